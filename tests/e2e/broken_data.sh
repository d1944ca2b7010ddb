#!/usr/bin/env bash
# The real game with one data file missing, then replaced by garbage of the same size: it starts,
# plays into a level from the level list and back, and quits cleanly, and the log holds the failure
# line of that file's family (a garbage level or save file is read without one). A map is reached
# through a save file holding the records of the levels before it; a garbage save file opens
# exactly the levels its records allow.
#   broken_data.sh <game> <built data> [all]   one file of each family, or every file the game reads
source "$(dirname "$0")/common.bash"

scope=${3:-families}
if [ "$scope" = all ]; then
  files=$(cd "$built_data" && find . -type f -printf '%P\n' | sort)
  files="$files dat/game.dat"
else
  files="kuva7.png icon.png sound/pop.wav sound/menu.o maps/map2.mp dat/game.dat"
fi

save="$work/data/dat/game.dat"
log="$work/gamelog.txt"

# The same bytes on every run, so a failure can be looked at again.
garbage() {
  head -c "$2" < <(openssl enc -aes-128-ctr -nosalt -pass pass:fezzle -pbkdf2 </dev/zero 2>/dev/null) >"$1"
}

# A save file with easy records for the levels before the given one, so the list opens on it.
records_before() {
  head -c 152 /dev/zero >"$save"
  local level
  for level in $(seq 0 $(($1 - 1))); do
    printf '\x10\x27' | dd of="$save" bs=1 seek=$((4 * level)) conv=notrunc status=none  # 10000 ms
  done
}

# The level the list of a save file opens on: the first without a record in its mode.
first_open_level() {
  local base=0 level record
  [ "$(byte_at "$save" 145)" != 0 ] && base=18
  for level in $(seq 0 17); do
    record=$(int32_at "$save" $((4 * (base + level))))
    [ "$record" -gt 0 ] || { echo "$level"; return; }
  done
  echo 17
}

# The start of the line the log holds when the file is missing or unreadable.
failure_line() {
  case "$1" in
    icon.png) echo "  Failed to load icon.png" ;;
    *.png) echo "  Failed to load ./data/$1" ;;
    sound/*.wav) echo "  Mix_LoadWAV: " ;;
    sound/*) echo " Mix_LoadMUS: " ;;
    maps/*) echo "Failed to load ./data/$1" ;;
    dat/game.dat) echo "Failed to load ./data/dat/game.dat" ;;
    medals.txt) echo "Failed to load ./data/medals.txt" ;;
  esac
}

play_round() {
  local file=$1 damage=$2 level=0
  rm -rf "$work/data" "$log"
  use_built_data
  mkdir -p "$work/data/dat"
  case "$file" in
    maps/map*.mp) level=${file#maps/map}; level=${level%.mp}; records_before "$level" ;;
  esac
  local size=46880
  [ -f "$built_data/$file" ] && size=$(stat -c %s "$built_data/$file")
  [ "$file" = dat/game.dat ] && size=152
  rm -f "$work/data/$file"
  [ "$damage" = garbage ] && garbage "$work/data/$file" "$size"
  [ "$file" = dat/game.dat ] && [ "$damage" = garbage ] && level=$(first_open_level)

  start_game
  wait_for_window 1
  press Return Return
  wait_for_log_line ": Moving to state ActionState" 1 10
  press Up
  sleep 0.5
  press Escape
  wait_for_log_line ": Moving to state MenuState" 2 10
  press Escape Escape Escape Escape
  wait_for_exit 10

  local expected
  expected=$(failure_line "$file")
  local loaded_in_full=no
  [ "$damage" = garbage ] && case "$file" in maps/* | dat/game.dat) loaded_in_full=yes ;; esac
  if [ $loaded_in_full = yes ]; then
    grep -qF -- "$expected" "$log" && fail "$file ($damage): '$expected' in the log"
  else
    grep -qF -- "$expected" "$log" || fail "$file ($damage): no '$expected' in the log"
  fi
  case "$file" in
    sound/*) grep -qxF "  Loaded: ./data/$file" "$log" && fail "$file ($damage) counted as loaded" ;;
  esac
  grep -qxF "Loaded ./data/maps/map$level.mp" "$log" || grep -qxF "Failed to load ./data/maps/map$level.mp" "$log" ||
    fail "$file ($damage): level $((level + 1)) was not the one played"
  [ "$(stat -c %s "$save" 2>/dev/null)" = 152 ] || fail "$file ($damage): the save file is not whole"
  grep -qxF ":. GameEngine cleanup finished" "$log" || fail "$file ($damage): no clean shut-down"
  rounds=$((rounds + 1))
}

own_display 800x600x24
rounds=0
for file in $files; do
  for damage in missing garbage; do
    play_round "$file" "$damage"
  done
done
echo "ok: $rounds rounds"
