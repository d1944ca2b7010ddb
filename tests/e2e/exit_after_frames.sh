#!/usr/bin/env bash
# The measuring aid FEZZLE_EXIT_AFTER_FRAMES: the game ends by itself, successfully, right after
# the frames asked for, with the start-up fully logged and nothing of the shut-down.
source "$(dirname "$0")/common.bash"

use_built_data
(cd "$work" && FEZZLE_EXIT_AFTER_FRAMES=3 timeout 60 "$game") || fail "the game did not end by itself with status 0"

log="$work/gamelog.txt"
grep -qxF ':. GameEngine init finished' "$log" || fail "init line"
grep -qxF '  Initializing went ok' "$log" || fail "the menu was not made current"
grep -qxF ':. GameEngine Cleanup..' "$log" && fail "the shut-down ran"
[ "$(stat -c %s "$work/data/dat/game.dat")" = 152 ] || fail "no save file"
echo "ok"
