#!/usr/bin/env bash
# A save file that exists but cannot be read (its permissions forbid it): the game logs the failed
# load and plays on, and leaves the file as it was instead of writing a fresh one over the player's
# records. Root reads any file, so as root the game is run as the unprivileged user nobody.
source "$(dirname "$0")/common.bash"

use_built_data
save="$work/data/dat/game.dat"
mkdir -p "$work/data/dat"
# Every byte 0x11: records and settings no fresh file would hold.
head -c 152 /dev/zero | tr '\0' '\021' >"$save"
chmod 000 "$save"

player=()
if [ "$(id -u)" = 0 ]; then
  nobody=65534
  if ! command -v setpriv >/dev/null || ! setpriv --reuid=$nobody --regid=$nobody --clear-groups true 2>/dev/null; then
    echo "SKIP: running as root and cannot drop privileges (setpriv), so every file is readable"
    exit 77
  fi
  chown -R $nobody:$nobody "$work"
  player=(setpriv --reuid=$nobody --regid=$nobody --clear-groups --)
fi
(cd "$work" && exec "${player[@]}" "$game") &
game_pid=$!
wait_for_window 1
stop_game

log="$work/gamelog.txt"
grep -qxF "Failed to load ./data/dat/game.dat" "$log" || fail "the failed load is not in the log"
grep -qF "Failed to save" "$log" && fail "the game tried to write the save file"
grep -qxF ":. GameEngine cleanup finished" "$log" || fail "the game did not run to its end"
[ "$(stat -c %a "$save")" = 0 ] || fail "the save file's permissions changed"
[ "$(od -An -tx1 "$save" | tr -d ' \n')" = "$(head -c 152 /dev/zero | tr '\0' '\021' | od -An -tx1 | tr -d ' \n')" ] ||
  fail "the save file changed"
echo "ok"
