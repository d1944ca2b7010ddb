#!/usr/bin/env bash
# Resident memory and GL objects across twenty fullscreen switches in a row: the game is warmed up
# (a level played and left), then the settings page's fullscreen entry is chosen twenty times. Every
# init must hold the same live textures and display lists, and resident memory must stay flat.
#   memory.sh <game> <built data> [switches]
source "$(dirname "$0")/../e2e/common.bash"

switches=${3:-20}
# Growth allowed over the switches, for allocator and driver caches that settle.
allowed_growth_kb=16384

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }

# A screen of the window's size, so that fullscreen covers it exactly.
own_display 800x600x24
use_built_data
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export FEZZLE_STATS_FILE="$work/stats.txt"
start_game
wait_for_window 1
press Return Return
wait_for_log_line ": Moving to state ActionState" 1 10
press Up
sleep 2
press Escape
wait_for_log_line ": Moving to state MenuState" 2 10
press Escape Down Down Down Return Down Down Down   # main menu, settings, the fullscreen entry
sleep 2
warm=$(rss_kb)
samples="$warm"
for switch in $(seq "$switches"); do
  press Return
  # The stats file gets a line per init at once; the log is flushed only at state changes.
  for _ in $(seq 200); do [ "$(wc -l <"$FEZZLE_STATS_FILE")" -gt "$switch" ] && break; sleep 0.1; done
  [ "$(wc -l <"$FEZZLE_STATS_FILE")" -gt "$switch" ] || fail "no init after switch $switch"
  sleep 1
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended at switch $switch"
  samples="$samples $(rss_kb)"
done
last=$(rss_kb)
highest=$(printf '%s\n' $samples | sort -n | tail -n 1)
press Escape Escape Escape Escape Escape
wait_for_exit 10

[ "$(wc -l <"$FEZZLE_STATS_FILE")" = $((switches + 1)) ] || fail "expected $((switches + 1)) inits in the stats"
[ "$(sort -u "$FEZZLE_STATS_FILE" | wc -l)" = 1 ] || fail "live GL objects changed: $(sort "$FEZZLE_STATS_FILE" | uniq -c)"
echo "resident kB after warm-up and each switch: $samples"
[ $((last - warm)) -le $allowed_growth_kb ] || fail "resident memory grew from $warm to $last kB"
echo "ok: $switches switches, resident $warm -> $last kB (highest $highest), GL: $(head -n 1 "$FEZZLE_STATS_FILE")"
