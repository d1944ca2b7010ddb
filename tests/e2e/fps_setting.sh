#!/usr/bin/env bash
# The frame-rate display switched on in the settings, then save and back: the save file's byte 144
# is 1, and the next start shows "FPS (" at the top right of the menu.
source "$(dirname "$0")/common.bash"

fps_corner="715 5 60 15"  # where "FPS (" stands, below the line at y 20

own_display
use_built_data
save="$work/data/dat/game.dat"
start_game
wait_for_window 1.5
# Settings; visual effects off (so that no particle crosses the corner), FPS on, save and back.
press Down Down Down Return Down Down Return Down Down Return Down Return
press Escape Escape Escape
wait_for_exit 10
[ "$(byte_at "$save" 144)" = 1 ] || fail "byte 144 (frame-rate display) is $(byte_at "$save" 144)"
[ "$(byte_at "$save" 146)" = 1 ] || fail "byte 146 (visual effects off) is $(byte_at "$save" 146)"
[ "$(byte_at "$save" 148)" = 0 ] || fail "music was switched off"

start_game
wait_for_window 1.5
shoot counter.png
expect_region counter.png lit "frame-rate counter" $fps_corner
# Switched off again (not saved), the corner goes dark: it was the counter that lit it.
press Down Down Down Return Down Down Down Down Return
shoot no-counter.png
expect_region no-counter.png dark "frame-rate counter off" $fps_corner
press Escape Escape Escape Escape
wait_for_exit 10
[ "$(byte_at "$save" 144)" = 1 ] || fail "leaving the settings with Escape saved them"
echo "ok"
