#!/usr/bin/env bash
# On a 16-bit desktop the game opens a 16-bit window, though it asks for 32 bits, and draws its
# menu there as anywhere else.
source "$(dirname "$0")/common.bash"

own_display 800x600x16
use_built_data
start_game
wait_for_window 2
depth=$(xwininfo -name "Fezzle Flyer Deluxe" | awk '/Depth:/ { print $2 }')
[ "$depth" = 16 ] || fail "the window is $depth bits deep"
shoot menu.png
expect_region menu.png lit "the title banner" 140 30 512 128
stop_game
grep -qxF ':. GameEngine cleanup finished' "$work/gamelog.txt" || fail "no clean shut-down"
echo "ok"
