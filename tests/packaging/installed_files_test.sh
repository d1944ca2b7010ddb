#!/usr/bin/env bash
# `cmake --install` lays out every file in its place, and the desktop entry, metadata, manual page
# and icons pass what desktops, software centres and man check.
set -euo pipefail

build=$1
work=$(mktemp -d /tmp/fezzle-installed-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/checks.bash"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for path in bin/fezzle-flyer libexec/fezzle-flyer/fezzle-flyer; do
  [ -x "$prefix/$path" ] || fail "no program $path"
done
[ -f "$prefix/share/fezzle-flyer/data/maps/map0.mp" ] || fail "no data under share/fezzle-flyer/data"
[ ! -e "$prefix/share/fezzle-flyer/data/dat" ] || fail "records were installed"
[ "$(cd "$build/data" && find . -path ./dat -prune -o -type f -print | sort)" = \
  "$(cd "$prefix/share/fezzle-flyer/data" && find . -type f | sort)" ] || fail "the installed data differs from the built data"
check_installed_files "$prefix" "$prefix/bin/fezzle-flyer"
echo "ok"
