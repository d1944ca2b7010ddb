#!/usr/bin/env bash
# Replays by keys, as a player: level 1 finished keeps its best run; on the level list the hint
# shows under the list only where the highlighted level has one, Right watches it (the "Replay"
# label at the top), and the level list comes back by itself, the records and the save file as
# they were. Then the main menu left alone plays a run by itself, and a key brings the menu back.
source "$(dirname "$0")/common.bash"

# Level 1: a start point in column 10, row 5, above a toilet in row 12: the hat falls in.
write_level() {
  mkdir -p "$work/data/maps"
  local file="$work/data/maps/map0.mp" objects=37504 rows=25
  head -c 46880 /dev/zero >"$file"
  printf '\x01' | dd of="$file" bs=1 seek=0 conv=notrunc status=none
  printf '\x01' | dd of="$file" bs=1 seek=$((objects + 10 * rows + 5)) conv=notrunc status=none
  printf '\x02' | dd of="$file" bs=1 seek=$((objects + 10 * rows + 12)) conv=notrunc status=none
}

states() { grep -cxF ": Moving to state $1" "$work/gamelog.txt"; }
hint_region="75 518 400 14"
label_region="330 12 140 20"

own_display
use_built_data
write_level
save="$work/data/dat/game.dat"
best="$work/data/dat/replays/map0-easy.rpl"
export FEZZLE_ATTRACT_MS=4000
start_game
wait_for_window 1

press Return Return
wait_for_log_line ": Moving to state ActionState" 1 10
sleep 0.5
press x
wait_for_log_line ": Moving to state MenuState" 2 10
[ "$(head -c 4 "$best" 2>/dev/null)" = FZRP ] || fail "no best run written at $best"
[ "$(int32_at "$save" 0)" != 0 ] || fail "no record after the finish"
cp "$save" "$work/save-before"
cp "$best" "$work/best-before"

# The list opens on level 2, which has no best run; level 1 has one.
sleep 0.5
shoot list2.png
expect_region list2.png dark "no hint on a level without a best run" $hint_region
press Up
shoot list1.png
expect_region list1.png lit "the hint under the list" $hint_region
press Right
wait_for_log_line ": Moving to state ActionState" 2 10
sleep 0.5
shoot watching.png
expect_region watching.png lit "the Replay label" $label_region
wait_for_log_line ": Moving to state MenuState" 3 10
cmp -s "$save" "$work/save-before" || fail "watching changed the save file"
cmp -s "$best" "$work/best-before" || fail "watching changed the best run"
grep -q "Ignored replay" "$work/gamelog.txt" && fail "the best run did not play back"

# Back on the level list with level 1 highlighted: Escape to the main menu, then hands off.
press Escape
wait_for_log_line ": Moving to state ActionState" 3 15
[ "$(states MenuState)" = 3 ] || fail "the attract mode came from somewhere other than the main menu"
sleep 0.5
press x
wait_for_log_line ": Moving to state MenuState" 4 10
cmp -s "$save" "$work/save-before" || fail "the attract mode changed the save file"
press Escape Escape Escape
wait_for_exit 10
echo "ok"
