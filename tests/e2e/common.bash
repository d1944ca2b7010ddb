# Shared steps of the end-to-end tests: a private folder with its own ./data, the game started in
# it under the test runner's display, and checks on what it wrote. Sourced, not run.
set -euo pipefail

game=$1
built_data=$2
work=$(mktemp -d /tmp/fezzle-e2e-XXXXXX)
game_pid=""
xvfb_pid=""
trap '[ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

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

# The game's window, waited for up to the given tenths of a second. A search that walks the window
# tree while SDL is setting up its OpenGL window can come back empty although the window is there,
# so one empty answer proves nothing.
game_window() {
  local id
  for _ in $(seq "${1:-50}"); do
    id=$(xdotool search --name "Fezzle Flyer Deluxe" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until the game's window exists and its first state is current (on a busy machine the
# sanitizer build takes seconds to open it, and the images load after it opens), then for the given
# seconds more.
wait_for_window() {
  game_window 300 >/dev/null || fail "no window"
  expect_sdl_library
  wait_for_log_line "  Initializing went ok" 1 30
  sleep "${1:-0}"
}

# ./run-tests runs these tests twice, naming in FEZZLE_E2E_SDL the SDL 1.2 each pass must load: the
# classic library, or sdl12-compat (over SDL2) from its own folder.
expect_sdl_library() {
  local maps="/proc/$game_pid/maps"
  case "${FEZZLE_E2E_SDL:-}" in
  compat) grep -q '/sdl12-compat/libSDL-1\.2\.so' "$maps" || fail "the game did not load sdl12-compat" ;;
  classic)
    grep -q '/libSDL-1\.2\.so' "$maps" && ! grep -q '/sdl12-compat/' "$maps" ||
      fail "the game did not load the classic SDL 1.2"
    ;;
  esac
}

# SDL turns SIGTERM into the same quit event as the window's close button.
stop_game() {
  kill -TERM "$game_pid"
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "game did not end"
  wait "$game_pid" || fail "game exited with $?"
  game_pid=""
}

# Starts a private X server of the given size (default 800x600x24) and makes it this test's display.
# Tests that press keys need one: keys go to the window under the pointer, and no other test's
# window may lie there. Xvfb picks a free display number itself; -noreset keeps it from resetting
# (and refusing clients for a moment) when the last client, such as a probe, disconnects.
own_display() {
  local attempt
  for attempt in 1 2 3; do
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-800x600x24}" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$work/display" 2>/dev/null)"
    # Only a server that answers counts.
    for _ in $(seq 30); do
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  fail "no private X server (last tried $DISPLAY)"
}

# Presses the keys one by one (xdotool key names), with the pointer on the game's window.
press() {
  local window
  window=$(game_window) || fail "no window to press keys in"
  # A fullscreen game's named window may be unmapped; it holds the keyboard then anyway.
  xdotool mousemove --window "$window" 400 300 2>/dev/null || xdotool mousemove 400 300
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.25
  done
}

# The whole screen as a PNG; on a private 800x600 display that is the game's window, fullscreen or not.
shoot() {
  import -window root "$work/$1"
}

# Mean brightness (0 to 1) of a rectangle x y w h of a shot.
brightness() {
  convert "$work/$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace Gray -format "%[fx:mean]" info:
}

# Fails unless the rectangle of the shot is lit (mean brightness above 6 %) or dark (below 4 %:
# a few passing particles), as asked.
expect_region() {
  local shot=$1 want=$2 what=$3 level
  shift 3
  level=$(brightness "$shot" "$@")
  if [ "$want" = lit ]; then
    awk -v b="$level" 'BEGIN { exit !(b > 0.06) }' || fail "$what: region $* of $shot is dark ($level)"
  else
    awk -v b="$level" 'BEGIN { exit !(b < 0.04) }' || fail "$what: region $* of $shot is lit ($level)"
  fi
}

# Waits up to the given seconds until the log holds the line at least the given number of times.
# The log is flushed at every state change, so state lines can be read while the game runs.
wait_for_log_line() {
  local line=$1 count=$2 seconds=$3
  local found
  for _ in $(seq $((seconds * 10))); do
    found=$(grep -cxF -- "$line" "$work/gamelog.txt" 2>/dev/null || true)
    [ "${found:-0}" -ge "$count" ] && return 0
    sleep 0.1
  done
  fail "'$line' not $count times in the log after $seconds s"
}

# Waits up to the given seconds for the game to end by itself, and fails unless it exited with 0.
wait_for_exit() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "game still running after $1 s"
  wait "$game_pid" || fail "game exited with $?"
  game_pid=""
}

# The little-endian int32 at a byte offset of a file.
int32_at() {
  od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '
}

# The byte at an offset of a file.
byte_at() {
  od -An -t u1 -j "$2" -N 1 "$1" | tr -d ' '
}
