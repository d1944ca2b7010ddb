#!/bin/sh
# Fails when a program still takes an OpenGL call from the driver: every call must reach the stub.
missing=$(nm -D --undefined-only "$1" | grep -E ' (gl|glu)[A-Z]')
[ -z "$missing" ] && exit 0
echo "$1 calls OpenGL functions that benchmarks/gl_stub.cpp lacks:" >&2
echo "$missing" >&2
exit 1
