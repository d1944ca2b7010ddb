#!/usr/bin/env bash
# A first start in an empty folder: the window opens, the log runs from banner to banner and a
# fresh save file is made; a quit event ends the game cleanly.
source "$(dirname "$0")/common.bash"

use_built_data
start_game
wait_for_window 1
stop_game

log="$work/gamelog.txt"
[ -f "$log" ] || fail "no gamelog.txt"
head -n 3 "$log" | cmp -s - <(printf -- '----------------------------\n::. Starting game engine .::\n----------------------------\n') \
  || fail "start banner"
tail -n 3 "$log" | cmp -s - <(printf -- '-----------------------------\n::. Shutting game engine  .::\n-----------------------------\n') \
  || fail "end banner"
grep -qxF ':. GameEngine init finished' "$log" || fail "init line"
grep -qxF ': Moving to state MenuState' "$log" || fail "state change"
grep -qxF ':. GameEngine cleanup finished' "$log" || fail "cleanup line"
size=$(stat -c %s "$work/data/dat/game.dat") || fail "no save file"
[ "$size" = 152 ] || fail "save file is $size bytes"
echo "ok"
