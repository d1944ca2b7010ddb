#!/usr/bin/env bash
# A pad alone, through SDL's own joystick driver: the game opens the device SDL_JOYSTICK_DEVICE
# names (a pipe this test writes joystick events into), the first button chooses the level list and
# the first level, the stick and the first button fly, the second button leaves the level and then
# backs out of the menu until the game ends, with the whole shut-down.
source "$(dirname "$0")/common.bash"

use_built_data
pad="$work/pad"
mkfifo "$pad"
# Held open for writing, so that SDL's opening of the pipe does not wait for a writer.
exec 3<>"$pad"
export SDL_JOYSTICK_DEVICE="$pad"

# One event as the kernel's joystick interface gives it: time (u32), value (s16), type, number; in
# one write, so that SDL never reads half of it.
js_event() {
  local value=$(($2 & 0xffff))
  printf "$(printf '\\x00\\x00\\x00\\x00\\x%02x\\x%02x\\x%02x\\x%02x' $((value & 0xff)) $((value >> 8)) "$1" "$3")"
}
button() { js_event 1 1 "$1" >&3; sleep 0.3; js_event 1 0 "$1" >&3; sleep 0.3; }
axis() { js_event 2 "$2" "$1" >&3; sleep 0.3; }

start_game
wait_for_window 1
grep -qxF "Opened joystick $pad" "$work/gamelog.txt" || { echo "this SDL takes no pipe for a pad"; exit 77; }

button 0   # the level list
button 0   # the first level
wait_for_log_line ": Moving to state ActionState" 1 10
js_event 1 1 0 >&3   # blow gas: the level starts
axis 0 32767
sleep 1
axis 0 0
js_event 1 0 0 >&3
button 1   # leave the level
wait_for_log_line ": Moving to state MenuState" 2 10
button 1   # the main menu
button 1   # the quit entry
button 1   # the quit confirmation
kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the confirmation"
button 1
wait_for_exit 10

[ "$(grep -c "joystick" "$work/gamelog.txt")" = 1 ] || fail "not one joystick line in the log"
[ "$(tail -n 3 "$work/gamelog.txt" | head -n 1)" = "-----------------------------" ] || fail "no shut-down"
echo "ok"
