#!/usr/bin/env bash
# Long play: the real game, built with the address and undefined-behaviour checkers, driven with
# random keys through the menus and levels for a set time. Whenever the keys quit it, it must have
# ended with status 0, the full shut-down log and no checker report (leaks included, but for the
# system libraries of tests/lsan.supp); then it starts again, on the records it saved.
#   soak.sh <game> <built data> <seconds>
source "$(dirname "$0")/../e2e/common.bash"

seconds=$3
repo=$(cd "$(dirname "$0")/../.." && pwd)
reports="$work/reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:log_path=$reports/asan"
# Leaks are judged below from the report, so they do not change the exit status.
export LSAN_OPTIONS="suppressions=$repo/tests/lsan.supp:print_suppressions=0:exitcode=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# Escape is rare, so that a run stays in play a while before the keys find the way out.
keys=(Up Up Up Down Down Down Return Return space Left Right w a s d x Escape)
sessions=0 pressed=0

# Every report but leaks whose stacks never reach the game's own code (Mesa's compiled shaders
# and X11 have no frame pointers, so their allocations come with stacks no suppression can name).
own_reports() {
  compgen -G "$reports/*" >/dev/null || return 0
  awk -v own="$repo/src/" -v game="$game" '
    /^(Direct|Indirect) leak/ { block = $0; inleak = 1; next }
    inleak && /^$/ { if (index(block, own) || index(block, game)) print block; inleak = 0; next }
    inleak { block = block "\n" $0; next }
    /ERROR: AddressSanitizer|runtime error:/ { print }
  ' "$reports"/*
}

check_reports() {
  local found
  found=$(own_reports)
  if [ -n "$found" ]; then
    printf '%b\n' "$found" | head -n 80
    fail "a checker report after $pressed keys in session $sessions"
  fi
  foreign=$((foreign + $(cat "$reports"/* 2>/dev/null | grep -cE '^(Direct|Indirect) leak' || true)))
  rm -f "$reports"/*
}

launch() {
  sessions=$((sessions + 1))
  start_game
  wait_for_window 1
  window=$(game_window) || fail "no window"
  xdotool mousemove --window "$window" 400 300 2>/dev/null || xdotool mousemove 400 300
}

# The game ended by itself (the keys chose quit): it must have ended cleanly.
ended() {
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  check_reports
  [ $status = 0 ] || fail "the game exited with $status in session $sessions"
  grep -qxF ":. GameEngine cleanup finished" "$work/gamelog.txt" || fail "no clean shut-down in session $sessions"
  levels=$((levels + $(grep -cxF ": Moving to state ActionState" "$work/gamelog.txt" || true)))
  switches=$((switches + $(grep -cxF ":. GameEngine init finished" "$work/gamelog.txt") - 1))
}

own_display 800x600x24
use_built_data
levels=0 switches=0 foreign=0
end=$((SECONDS + seconds))
launch
while [ $SECONDS -lt $end ]; do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    ended
    launch
    continue
  fi
  batch=()
  for _ in 1 2 3 4 5 6; do batch+=("${keys[RANDOM % ${#keys[@]}]}"); done
  xdotool key --delay 80 "${batch[@]}" 2>/dev/null || true
  # Now and then a key held down for a while, as a player holds thrust or a turn.
  if [ $((RANDOM % 4)) = 0 ]; then
    held=${keys[RANDOM % 12]}
    xdotool keydown "$held" 2>/dev/null || true
    sleep "0.$((RANDOM % 9 + 1))"
    xdotool keyup "$held" 2>/dev/null || true
  fi
  pressed=$((pressed + ${#batch[@]}))
done
# Time is up: a game still playing is asked to quit, as the window's close button would. One that
# is already past its own shut-down (the keys chose quit and the checkers are at work) only ends.
shut_down() { grep -qxF ":. GameEngine cleanup finished" "$work/gamelog.txt"; }
if kill -0 "$game_pid" 2>/dev/null && ! shut_down; then
  kill -TERM "$game_pid"
  for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when asked to quit"
  status=0
  wait "$game_pid" || status=$?
  game_pid=""
  # After its shut-down SIGTERM is no longer the game's quit event; it cuts the exit checks short.
  [ $status = 0 ] || { [ $status = 143 ] && shut_down; } || fail "the game exited with $status when asked to quit"
  check_reports
  grep -qxF ":. GameEngine cleanup finished" "$work/gamelog.txt" || fail "no clean shut-down when asked to quit"
  levels=$((levels + $(grep -cxF ": Moving to state ActionState" "$work/gamelog.txt" || true)))
  switches=$((switches + $(grep -cxF ":. GameEngine init finished" "$work/gamelog.txt") - 1))
else
  ended
fi
echo "ok: $seconds s, $pressed keys, $sessions sessions, $levels levels entered, $switches fullscreen switches," \
  "$foreign leak reports from system libraries only"
