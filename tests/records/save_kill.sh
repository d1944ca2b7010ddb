#!/usr/bin/env bash
# Kills a process that saves records (or, with `replay`, a best run) in a loop at random moments,
# and checks after every kill that the file is one whole image the process wrote and never an
# older one than the last trial found: no missing, short, mixed or lost file.
# usage: save_kill.sh <save_loop binary> <trials> [replay]
set -euo pipefail
harness=$(realpath "$1") trials=$2 kind=${3:-}
work=$(mktemp -d /tmp/fezzle-kill-XXXXXX)
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"

# The first trial lets the file come into being; from then on it must always be there.
"$harness" run $kind 2>"$work/ready" &
pid=$!
for _ in $(seq 200); do grep -q ready "$work/ready" 2>/dev/null && break; sleep 0.01; done
grep -q ready "$work/ready" || { echo "FAIL: the harness never saved"; exit 1; }

last=0
for trial in $(seq "$trials"); do
  if [ "$trial" -gt 1 ]; then
    "$harness" run $kind 2>/dev/null &
    pid=$!
    # Anywhere from its start-up (loading the file) to a few dozen saves in.
    sleep "0.0$((RANDOM % 40 + 10))"
  fi
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  k=$("$harness" check $kind) || { echo "FAIL: trial $trial left a broken save file"; exit 1; }
  [ "$k" -ge "$last" ] || { echo "FAIL: trial $trial found image $k after image $last: records lost"; exit 1; }
  last=$k
done
echo "ok: $trials kills, last image $last, none lost"
