#!/usr/bin/env bash
# Fullscreen on and off twice from the settings page: after every switch the game runs on, the menu
# stays on the settings page, the menu music plays on the new audio device, the game holds as many
# live textures and display lists and as many open pads as after its first start, and the records
# and settings survive.
source "$(dirname "$0")/common.bash"

# A screen of the display's own size: fullscreen then covers it exactly.
own_display 800x600x24
use_built_data
save="$work/data/dat/game.dat"
mkdir -p "$work/data/dat"
# Two records (easy level 1, hard level 2) and the frame-rate display on.
head -c 152 /dev/zero >"$save"
put_byte() { printf "\\x$(printf %02x "$2")" | dd of="$save" bs=1 seek="$1" conv=notrunc status=none; }
put_byte 0 0x39; put_byte 1 0x30           # 12345 ms
put_byte 76 0x31; put_byte 77 0xd4         # 54321 ms in slot 19
put_byte 144 1
before=$(od -An -tx1 -N 149 "$save")

audio="$work/audio.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" SDL_DISKAUDIODELAY=20
export FEZZLE_STATS_FILE="$work/stats.txt"
# The classic SDL 1.2 takes any file named here for a pad; SDL 1.2 over SDL2 asks it and finds none.
export SDL_JOYSTICK_DEVICE=/dev/null
start_game
wait_for_window 1.5
press Down Down Down Return Down Down Down   # settings, on the fullscreen entry

settings_entry="40 210 80 40"  # "Music" on the settings page, left of every main-menu entry
# The last second of what the audio device was given, as a peak amplitude from 0 to 1.
recent_peak() {
  tail -c 176400 "$audio" >"$work/recent.raw"
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/recent.raw" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }'
}

for switch in 1 2 3 4; do
  press Return
  sleep 4
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended at switch $switch"
  shoot "switch$switch.png"
  expect_region "switch$switch.png" lit "settings page after switch $switch" $settings_entry
  peak=$(recent_peak)
  awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.01) }' || fail "silent after switch $switch (peak ${peak:-none})"
done

press Escape Escape Escape Escape
wait_for_exit 10

[ "$(wc -l <"$FEZZLE_STATS_FILE")" = 5 ] || fail "expected 5 inits in the stats, got: $(cat "$FEZZLE_STATS_FILE")"
[ "$(sort -u "$FEZZLE_STATS_FILE" | wc -l)" = 1 ] || fail "live GL objects changed: $(cat "$FEZZLE_STATS_FILE")"
pads=$(grep -c "^Opened joystick " "$work/gamelog.txt" || true)
case "${FEZZLE_E2E_SDL:-}" in classic) [ "$pads" = 1 ] || fail "the classic SDL opened $pads pads" ;; esac
grep -qx "textures [1-9][0-9]* lists 256 pads $pads" "$FEZZLE_STATS_FILE" || fail "stats: $(head -n 1 "$FEZZLE_STATS_FILE")"
[ "$(od -An -tx1 -N 149 "$save")" = "$before" ] || fail "records or settings changed"
[ "$(grep -c "^:. GameEngine init finished$" "$work/gamelog.txt")" = 5 ] || fail "not five inits in the log"
echo "ok"
