#!/usr/bin/env bash
# Escape three times on the main menu: the highlight moves to the quit entry, the quit confirmation
# opens, and the game ends by itself with status 0 and the full shut-down log.
source "$(dirname "$0")/common.bash"

own_display
use_built_data
start_game
wait_for_window 1.5
press Escape Escape
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "two presses of Escape ended the game"
press Escape
wait_for_exit 10

log="$work/gamelog.txt"
shutdown=$(printf '%s\n' "" ":. GameEngine Cleanup.." " Releasing fonts.. done" " Releasing textures.. done" \
  ":. GameEngine cleanup finished" "" "-----------------------------" "::. Shutting game engine  .::" \
  "-----------------------------")
[ "$(tail -n 9 "$log")" = "$shutdown" ] || fail "the log does not end with the shut-down lines"
echo "ok"
