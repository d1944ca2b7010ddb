#!/usr/bin/env bash
# A start of the game loads all eleven sound files: the log names each one as loaded and reports no
# sound failure.
source "$(dirname "$0")/common.bash"

use_built_data
start_game
wait_for_window 1
stop_game

log="$work/gamelog.txt"
[ -f "$log" ] || fail "no gamelog.txt"
for file in fanfar.wav fart4.wav aani1.wav aani4.wav aani5.wav blo.wav pop.wav toks.wav menu.o easy.o hard.o; do
  grep -qxF "  Loaded: ./data/sound/$file" "$log" || fail "no '  Loaded: ./data/sound/$file' in the log"
done
if grep -E "Mix_OpenAudio|Mix_LoadWAV|Mix_LoadMUS|Mix_PlayMusic" "$log"; then fail "a sound failure is logged"; fi
echo "ok"
