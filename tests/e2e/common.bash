# Shared steps of the end-to-end tests: a private folder with its own ./data, the game started in
# it under the test runner's display, and checks on what it wrote. Sourced, not run.
set -euo pipefail

game=$1
built_data=$2
work=$(mktemp -d /tmp/fezzle-e2e-XXXXXX)
game_pid=""
trap '[ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; [ -f "$work/gamelog.txt" ] && tail -n 30 "$work/gamelog.txt"; exit 1; }

# Copies the built data (if any) into the private folder, without records.
use_built_data() {
  mkdir -p "$work/data"
  if [ -d "$built_data" ]; then cp -r "$built_data/." "$work/data/"; fi
  rm -rf "$work/data/dat"
}

start_game() {
  (cd "$work" && exec "$game") &
  game_pid=$!
}

# Waits until the game's window exists, then for the given seconds more.
wait_for_window() {
  for _ in $(seq 100); do
    xdotool search --name "Fezzle Flyer Deluxe" >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name "Fezzle Flyer Deluxe" >/dev/null 2>&1 || fail "no window"
  sleep "${1:-0}"
}

# SDL turns SIGTERM into the same quit event as the window's close button.
stop_game() {
  kill -TERM "$game_pid"
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "game did not end"
  wait "$game_pid" || fail "game exited with $?"
  game_pid=""
}
