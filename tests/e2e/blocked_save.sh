#!/usr/bin/env bash
# A save file that cannot be written (a folder stands where its temporary file goes; as root,
# permissions would block nothing): finishing level 1 logs the failed save, the old file stays
# whole, and the record lives on in memory, also across a fullscreen switch: the level list opens
# on level 2 before and after it.
source "$(dirname "$0")/common.bash"

# Level 1: a start point above a toilet, no terrain: the hat falls into the goal.
write_level() {
  local file="$work/data/maps/map0.mp"
  mkdir -p "$work/data/maps"
  head -c 46880 /dev/zero >"$file"
  printf '\x01' | dd of="$file" bs=1 seek=0 conv=notrunc status=none
  local objects=37504 rows=25
  printf '\x01' | dd of="$file" bs=1 seek=$((objects + 10 * rows + 5)) conv=notrunc status=none
  printf '\x02' | dd of="$file" bs=1 seek=$((objects + 10 * rows + 12)) conv=notrunc status=none
}

own_display 800x600x24
use_built_data
write_level
save="$work/data/dat/game.dat"
mkdir -p "$work/data/dat"
head -c 152 /dev/zero >"$save"
mkdir "$save.tmp"
log="$work/gamelog.txt"

start_game
wait_for_window 1
press Return Return
wait_for_log_line ": Moving to state ActionState" 1 10
press x
# The finish shows for 2000 ms, then the menu comes back on the level list.
wait_for_log_line ": Moving to state MenuState" 2 10
grep -qxF "Failed to save ./data/dat/game.dat" "$log" || fail "the failed save is not in the log"
[ "$(od -An -tx1 "$save" | tr -d ' \n')" = "$(head -c 152 /dev/zero | od -An -tx1 | tr -d ' \n')" ] ||
  fail "the old save file changed"

# The list opens on level 2, which only the record in memory opens.
press Return
# (The log is flushed at the end of each state change.)
wait_for_log_line "Loaded ./data/maps/map1.mp" 1 10
press Escape
wait_for_log_line ": Moving to state MenuState" 3 10

# Main menu, settings, fullscreen and back again; then the level list once more.
press Escape Down Down Down Return Down Down Down Return
sleep 3
press Return
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the game ended at the fullscreen switch"
[ "$(grep -cxF "Failed to save ./data/dat/game.dat" "$log")" -ge 3 ] || fail "the switches' saves did not fail"
press Escape Return Return   # the main menu, the level list, its highest open level
wait_for_log_line "Loaded ./data/maps/map1.mp" 2 10
press Escape Escape Escape Escape Escape
wait_for_exit 10
echo "ok"
