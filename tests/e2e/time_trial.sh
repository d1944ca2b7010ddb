#!/usr/bin/env bash
# Time trial by keys, as a player: level 1 finished, then finished again more slowly, which keeps
# the record and says how much slower under the finish message (the first finish says nothing
# there); then level 2, which has no toilet, until the hat bursts, and R starts it again at once
# with no menu in between.
source "$(dirname "$0")/common.bash"

# Level 1: a start point in column 10, row 5, above a toilet in row 12. Level 2: the start alone.
write_levels() {
  mkdir -p "$work/data/maps"
  local objects=37504 rows=25 level
  for level in 0 1; do
    local file="$work/data/maps/map$level.mp"
    head -c 46880 /dev/zero >"$file"
    printf '\x01' | dd of="$file" bs=1 seek=0 conv=notrunc status=none  # version 1, little-endian
    printf '\x01' | dd of="$file" bs=1 seek=$((objects + 10 * rows + 5)) conv=notrunc status=none
  done
  printf '\x02' | dd of="$work/data/maps/map0.mp" bs=1 seek=$((objects + 10 * rows + 12)) conv=notrunc status=none
}

# The right end of the line under the finish message, clear of the falling hat (x y w h), and
# the share of it in the tomato red of a slower run's difference: the embers (no blue) and the
# failure's darker red are not that colour.
difference_line="450 303 90 14"
# The red line under the failure message.
failure_line="250 296 360 14"
redness() {
  convert "$work/$1" -crop "${4}x${5}+${2}+${3}" +repage -fx 'r > 0.75 && g < 0.5 && b < 0.5' -format "%[fx:mean]" info:
}
tomato() {
  convert "$work/$1" -crop "${4}x${5}+${2}+${3}" +repage -fx 'r > 0.85 && g > 0.2 && g < 0.5 && b > 0.18 && b < 0.45' \
    -format "%[fx:mean]" info:
}

menus() { grep -cxF ": Moving to state MenuState" "$work/gamelog.txt"; }

# Shoots the level until the menu comes back and prints the most tomato red the region got in a
# shot taken before it did. The finish shows for only 2 s: the shots are measured afterwards, so that a
# loaded machine still takes several while it shows.
most_tomato() {
  local before best=0 level i=0 shot shots=()
  before=$(menus)
  while [ "$(menus)" = "$before" ] && [ $i -lt 50 ]; do
    i=$((i + 1))
    shoot "poll$i.png"
    [ "$(menus)" = "$before" ] || break
    shots+=("poll$i.png")
  done
  for shot in "${shots[@]}"; do
    level=$(tomato "$shot" "$@")
    best=$(awk -v a="$best" -v b="$level" 'BEGIN { print (b > a ? b : a) }')
  done
  echo "$best"
}

# Waits up to the given seconds for the failure's red line, shooting now and then.
wait_for_failure() {
  local i
  for i in $(seq $(($1 * 2))); do
    shoot "burst$i.png"
    awk -v r="$(redness "burst$i.png" $failure_line)" 'BEGIN { exit !(r > 0.05) }' && return 0
    sleep 0.5
  done
  fail "no failure shown after the burst"
}

own_display
use_built_data
write_levels
save="$work/data/dat/game.dat"
start_game
wait_for_window 1.5

press Return Return
wait_for_log_line ": Moving to state ActionState" 1 10
sleep 0.5
press x
first=$(most_tomato $difference_line)
record=$(int32_at "$save" 0)
[ "$record" != 0 ] || fail "no record after the first finish"

wait_for_log_line ": Moving to state MenuState" 2 10
sleep 0.5
# The list opens on level 2; level 1 again, and this time the hat climbs for a while first.
press Up Return
wait_for_log_line ": Moving to state ActionState" 2 10
sleep 0.5
window=$(game_window) || fail "no window"
xdotool mousemove --window "$window" 400 300 keydown Up sleep 0.6 keyup Up
second=$(most_tomato $difference_line)
[ "$(int32_at "$save" 0)" = "$record" ] || fail "the slower run changed the record"
awk -v a="$first" -v b="$second" 'BEGIN { exit !(a < 0.03 && b > 0.06) }' ||
  fail "no difference line under the slower finish (first $first, second $second)"

wait_for_log_line ": Moving to state MenuState" 3 10
sleep 0.5
press Return
wait_for_log_line ": Moving to state ActionState" 3 10
sleep 0.5
press x
# Gas rises by itself: from half full the hat bursts after about 4.4 s.
sleep 4
wait_for_failure 20
press r
wait_for_log_line ": Moving to state ActionState" 4 10
[ "$(menus)" = 3 ] || fail "a menu came between the burst and the retry"

press Escape
wait_for_log_line ": Moving to state MenuState" 4 10
press Escape Escape Escape Escape
wait_for_exit 10
echo "ok"
