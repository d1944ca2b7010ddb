#!/usr/bin/env bash
# A first start in an empty folder: the window opens, the log runs from banner to banner (its
# start-up part compared byte for byte) and a fresh save file is made; a quit event ends the game
# cleanly.
source "$(dirname "$0")/common.bash"
# The mixer reports what the device gave; the dummy device gives what was asked.
export SDL_AUDIODRIVER=dummy

# The log of a fresh start up to the first menu, blank lines and both kinds of "done" included.
fresh_start_log() {
  printf -- '----------------------------\n::. Starting game engine .::\n----------------------------\n'
  printf '\n:. GameEngine init..\nFailed to load ./data/dat/game.dat\n'
  printf ' Initializing SDL .. done.\n Initializing OpenGL .. done.\n Initializing soundsystem ..\n'
  printf '  Mixer opened with specs:\n   Frequency: 44100\n   Channels: 2\n'
  for file in fanfar.wav fart4.wav aani1.wav aani4.wav aani5.wav blo.wav pop.wav toks.wav menu.o easy.o hard.o; do
    printf '  Loaded: ./data/sound/%s\n' "$file"
  done
  printf ' done.\n Loading textures.. \n'
  local family count
  for family in kuva:40 jee:5 foreground:12 parallax:5 collision:50 effect:1; do
    for count in $(seq "${family#*:}"); do printf './data/%s%i.png\n' "${family%:*}" "$count"; done
  done
  printf ' done.\n Building fonts.. done.\n:. GameEngine init finished\n\n'
  printf ': Moving to state MenuState\n  Initializing new state\n  MenuState::init()\n  Initializing went ok\n'
}

use_built_data
start_game
wait_for_window 1
stop_game

log="$work/gamelog.txt"
[ -f "$log" ] || fail "no gamelog.txt"
sed -n '1,/^  Initializing went ok$/p' "$log" | cmp -s - <(fresh_start_log) ||
  fail "start-up log: $(diff <(fresh_start_log) <(sed -n '1,/^  Initializing went ok$/p' "$log") | head -n 10)"
tail -n 3 "$log" | cmp -s - <(printf -- '-----------------------------\n::. Shutting game engine  .::\n-----------------------------\n') \
  || fail "end banner"
grep -qxF ':. GameEngine cleanup finished' "$log" || fail "cleanup line"
size=$(stat -c %s "$work/data/dat/game.dat") || fail "no save file"
[ "$size" = 152 ] || fail "save file is $size bytes"
echo "ok"
