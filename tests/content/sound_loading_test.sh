#!/usr/bin/env bash
# A start of the game loads all eleven sound files: the log names each one and reports no failure.
# Runs the real binary in a scratch folder whose ./data is the built data (the save file stays in the
# scratch folder), stops it with SIGTERM (SDL turns that into a quit) and reads gamelog.txt.
# Usage: sound_loading_test.sh <game binary> <built data folder>
set -euo pipefail
game=$1
data=$2
skip=77
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit $skip; }

work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/data"
for entry in "$data"/*; do
  [ "$(basename "$entry")" = dat ] || ln -s "$entry" "$work/data/"
done

(cd "$work" && SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" exec "$game") &
pid=$!
sleep 3
kill -TERM "$pid" 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -KILL "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""

log="$work/gamelog.txt"
[ -f "$log" ] || { echo "FAIL: the game wrote no gamelog.txt"; exit 1; }
status=0
for file in fanfar.wav fart4.wav aani1.wav aani4.wav aani5.wav blo.wav pop.wav toks.wav menu.o easy.o hard.o; do
  if ! grep -qxF "  Loaded: ./data/sound/$file" "$log"; then
    echo "FAIL: no '  Loaded: ./data/sound/$file' in the log"
    status=1
  fi
done
if grep -E "Mix_LoadWAV|Mix_LoadMUS|Mix_OpenAudio" "$log"; then
  echo "FAIL: the log reports a sound failure (above)"
  status=1
fi
[ $status -eq 0 ] && echo "all eleven sound files loaded"
exit $status
