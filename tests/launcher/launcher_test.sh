#!/usr/bin/env bash
# The installed launcher, run with a stand-in for the game: its arguments, the player's folder and
# its links, the lock, and every refusal. Needs no display.
set -euo pipefail

build=$1
work=$(mktemp -d /tmp/fezzle-launcher-XXXXXX)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=$prefix/bin/fezzle-flyer
installed=$prefix/share/fezzle-flyer/data
stub_log=$work/stub.log
export FEZZLE_STUB_LOG=$stub_log

# Stand-in for the game: says where it runs and whether the player's lock is held, waits while
# asked to, and can die the hard way.
cat >"$prefix/libexec/fezzle-flyer/fezzle-flyer" <<'EOF'
#!/bin/sh
lock=locked
flock -n ./lock true && lock=unlocked
printf '%s %s\n' "$(pwd)" "$lock" >>"$FEZZLE_STUB_LOG"
while [ -e "${FEZZLE_STUB_HOLD:-/nonexistent}" ]; do sleep 0.05; done
[ -z "${FEZZLE_STUB_CRASH:-}" ] || kill -KILL $$
exit 0
EOF

# Runs the launcher with the given environment (env arguments); its status, standard output and
# standard error land in $status, $out and $err.
run() {
  set +e
  env "$@" sh "$launcher" ${args[@]+"${args[@]}"} >"$work/out" 2>"$work/err"
  status=$?
  set -e
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  args=()
}
args=()

# Fails unless the last run was refused with one line on standard error and the given status.
expect_refusal() {
  local want=$1 what=$2
  [ "$status" = "$want" ] || fail "$what: status $status, wanted $want"
  [ "$(wc -l <"$work/err")" = 1 ] || fail "$what: not one line on standard error: $err"
  [ -z "$out" ] || fail "$what: printed '$out'"
}

# Every entry of a tree with its kind and mode, and for all but folders its size, time, link target
# and content. (The test itself adds and removes installed entries, which changes folder times.)
snapshot() {
  (cd "$1" && find . \( -type d -printf '%p d %m\n' \) -o -printf '%p %y %m %s %T@ %l\n' | sort &&
    find . -type f -exec md5sum {} + | sort)
}
tree_before=$(snapshot "$prefix")
mkdir -p "$work/home"
home=$work/home
player=$home/.local/share/fezzle-flyer

# The command line: --help and --version are the launcher's; anything else is a usage error.
args=(--help); run HOME="$home"
[ "$status" = 0 ] && [[ "$out" == Usage:* ]] || fail "--help: $status '$out'"
grep -q 'XDG_DATA_HOME' <<<"$out" || fail "--help does not say where records live"
args=(--version); run HOME="$home"
[ "$status" = 0 ] && [ "$out" = "fezzle-flyer 0.2.0" ] || fail "--version: $status '$out'"
args=(--fullscreen); run HOME="$home"
expect_refusal 2 "an unknown option"
args=(--help --version); run HOME="$home"
expect_refusal 2 "two arguments"
[ ! -e "$home/.local" ] || fail "arguments alone made the player folder"

# A first start: the game runs in the player's folder, holding the lock; data/ holds one link per
# installed entry and a real dat/ folder.
run HOME="$home"
[ "$status" = 0 ] || fail "first start: status $status: $err"
[ "$(cat "$stub_log")" = "$player locked" ] || fail "the game ran as: $(cat "$stub_log")"
for entry in "$installed"/*; do
  name=${entry##*/}
  [ "$(readlink "$player/data/$name")" = "$entry" ] || fail "no link for $name"
done
[ "$(find "$player/data" -mindepth 1 -maxdepth 1 -type l | wc -l)" = "$(ls "$installed" | wc -l)" ] ||
  fail "links that match no installed entry"
[ -d "$player/data/dat" ] && [ ! -L "$player/data/dat" ] || fail "data/dat is not a real folder"

# XDG_DATA_HOME decides when it is absolute; a relative one is ignored.
: >"$stub_log"
run HOME="$home" XDG_DATA_HOME="$work/xdg home"
[ "$status" = 0 ] && [ "$(cat "$stub_log")" = "$work/xdg home/fezzle-flyer locked" ] ||
  fail "an absolute XDG_DATA_HOME: $(cat "$stub_log") $err"
: >"$stub_log"
(cd "$work" && XDG_DATA_HOME=relative HOME="$home" sh "$launcher") || fail "a relative XDG_DATA_HOME"
[ "$(cat "$stub_log")" = "$player locked" ] && [ ! -e "$work/relative" ] ||
  fail "a relative XDG_DATA_HOME was used: $(cat "$stub_log")"

# Started through a link from elsewhere, it still finds the installed tree.
mkdir -p "$work/elsewhere"
ln -s "$launcher" "$work/elsewhere/ff"
HOME="$home" sh "$work/elsewhere/ff" || fail "started through a link"

# Link upkeep: a wrong link (to a folder, which must not be followed), a stale link, a new and a
# removed installed entry, the player's own file and the records are each handled as they should be.
mkdir -p "$work/other-maps"
ln -sfn "$work/other-maps" "$player/data/maps"
ln -sfn "$work/gone" "$player/data/old.png"
rm "$player/data/kuva5.png"
echo mine >"$player/data/kuva5.png"
mkdir "$installed/dat"
echo record >"$player/data/dat/game.dat"
ln -s "$work/gone" "$player/data/dat/stale-link"
touch -d '2001-01-01' "$player/data/dat" "$player/data/dat/game.dat"
dat_before=$(snapshot "$player/data/dat")
kept_inode=$(stat -c %i "$player/data/icon.png")
cp "$installed/icon.png" "$installed/new.png"
mv "$installed/load.png" "$work/load.png"
run HOME="$home"
[ "$status" = 0 ] || fail "start with links to mend: $err"
[ "$(readlink "$player/data/maps")" = "$installed/maps" ] || fail "the wrong link to a folder stays"
[ -z "$(ls -A "$work/other-maps")" ] || fail "a link was made inside the wrongly linked folder"
[ ! -L "$player/data/old.png" ] || fail "a link whose target is gone stays"
[ "$(readlink "$player/data/new.png")" = "$installed/new.png" ] || fail "no link for a new entry"
[ ! -L "$player/data/load.png" ] || fail "a link to a removed entry stays"
[ "$(cat "$player/data/kuva5.png")" = mine ] || fail "the player's own file was touched"
[ "$(stat -c %i "$player/data/icon.png")" = "$kept_inode" ] || fail "a correct link was made again"
[ "$(snapshot "$player/data/dat")" = "$dat_before" ] || fail "data/dat was touched"
rm "$installed/new.png"
rmdir "$installed/dat"
mv "$work/load.png" "$installed/load.png"
run HOME="$home"
[ "$(readlink "$player/data/load.png")" = "$installed/load.png" ] && [ ! -L "$player/data/new.png" ] ||
  fail "links not brought back in line with the installed data"
rm "$player/data/kuva5.png"
# Records kept elsewhere through a link of the player's own stay so.
mv "$player/data/dat" "$work/records"
ln -s "$work/records" "$player/data/dat"
mkdir "$installed/dat"
run HOME="$home"
[ "$status" = 0 ] && [ "$(readlink "$player/data/dat")" = "$work/records" ] || fail "a linked dat/ was replaced"
rmdir "$installed/dat"
rm "$player/data/dat"
mv "$work/records" "$player/data/dat"

# A second game is refused while the first runs; the lock ends with the game, even when it is
# killed.
: >"$stub_log"
touch "$work/hold"
FEZZLE_STUB_HOLD=$work/hold HOME="$home" sh "$launcher" &
first=$!
for _ in $(seq 100); do [ -s "$stub_log" ] && break; sleep 0.05; done
[ -s "$stub_log" ] || fail "the first game did not start"
run HOME="$home"
expect_refusal 1 "a second game"
grep -q 'already running' <<<"$err" || fail "the second game's refusal says: $err"
[ "$(wc -l <"$stub_log")" = 1 ] || fail "the second game ran"
rm "$work/hold"
wait "$first" || fail "the first game ended with $?"
run HOME="$home" FEZZLE_STUB_CRASH=1
[ "$status" = 137 ] || fail "the crashing game ended with $status"
run HOME="$home"
[ "$status" = 0 ] || fail "the lock outlived a killed game: $err"

# Refusals: one line, status 1, and nothing made on disk (no HOME at all, a player folder below a
# regular file and missing data are refused by the installed game's test too).
run HOME=relative/home
expect_refusal 1 "a relative HOME"
run HOME="$work/no-such-home"
expect_refusal 1 "a HOME that does not exist"
[ ! -e "$work/no-such-home" ] || fail "a missing HOME was made"
mkdir -p "$work/xdg-file" && echo plain >"$work/xdg-file/fezzle-flyer"
run HOME="$home" XDG_DATA_HOME="$work/xdg-file"
expect_refusal 1 "a player folder that is a file"
mkdir -p "$work/linked/fezzle-flyer"
ln -s "$installed" "$work/linked/fezzle-flyer/data"
run HOME="$home" XDG_DATA_HOME="$work/linked"
expect_refusal 1 "data/ linked to the installed data"
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  # Permissions stop nothing for root: as another user, a folder it may not write to.
  mkdir -p "$work/shared" "$work/locked/fezzle-flyer"
  chmod 1777 "$work/shared"
  chmod 755 "$work" "$work/locked" "$work/locked/fezzle-flyer"
  as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
  set +e
  as_nobody env HOME="$work/shared" XDG_DATA_HOME="$work/locked" sh "$launcher" 2>"$work/err"
  status=$?
  set -e
  [ "$status" = 1 ] && [ "$(wc -l <"$work/err")" = 1 ] || fail "an unwritable player folder: $status"
  [ -z "$(ls -A "$work/locked/fezzle-flyer")" ] || fail "something was made in the unwritable folder"
  set +e
  as_nobody env HOME="$work/shared" XDG_DATA_HOME="$work/locked/fezzle-flyer/deeper" sh "$launcher" 2>"$work/err"
  status=$?
  set -e
  [ "$status" = 1 ] || fail "a player folder below an unwritable one: $status"
fi

# Installed parts that are empty or missing: refused before anything is made for the player.
mkdir "$work/empty-data"
mv "$installed" "$work/moved-data"
mv "$work/empty-data" "$installed"
run HOME="$home" XDG_DATA_HOME="$work/fresh"
expect_refusal 1 "empty data"
rmdir "$installed"
mv "$work/moved-data" "$installed"
mv "$prefix/libexec/fezzle-flyer/fezzle-flyer" "$work/stub"
run HOME="$home" XDG_DATA_HOME="$work/fresh"
expect_refusal 1 "a missing game program"
[ ! -e "$work/fresh" ] || fail "a missing program left a player folder"
mv "$work/stub" "$prefix/libexec/fezzle-flyer/fezzle-flyer"

# The runs above wrote nothing into the installed tree (the stub stands in for the game).
snapshot "$prefix" | grep -v 'libexec/fezzle-flyer/fezzle-flyer' >"$work/after"
grep -v 'libexec/fezzle-flyer/fezzle-flyer' <<<"$tree_before" >"$work/before"
diff "$work/before" "$work/after" >/dev/null || fail "the installed tree changed: $(diff "$work/before" "$work/after" | head)"

if command -v shellcheck >/dev/null; then
  shellcheck --shell=sh "$launcher" || fail "shellcheck finds faults in the launcher"
fi
echo "ok"
