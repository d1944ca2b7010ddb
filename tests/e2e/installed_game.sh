#!/usr/bin/env bash
# The game installed with `cmake --install` (into a prefix, and once staged with DESTDIR) and started
# through its launcher with a fresh HOME: it reaches the menu, a level is finished, the record lands
# in the player's folder and survives a second start, which changes no link; the installed tree
# stays as it was; a second game, no HOME, an unwritable player folder and missing data are refused.
source "$(dirname "$0")/common.bash"

build=$(dirname "$game")
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
# Staged for a prefix that does not exist here: the launcher must find everything from where it lies.
DESTDIR=$work/stage cmake --install "$build" --prefix /opt/fezzle-flyer >/dev/null
staged=$work/stage/opt/fezzle-flyer
[ "$(cd "$prefix" && find . | sort)" = "$(cd "$staged" && find . | sort)" ] ||
  fail "the staged install differs from the plain one"
grep -qxF 'Exec=/opt/fezzle-flyer/bin/fezzle-flyer' "$staged/share/applications/org.fezzleflyer.FezzleFlyer.desktop" ||
  fail "the staged desktop entry does not start the launcher at its final place"

home=$work/home
mkdir -p "$home"
player=$home/.local/share/fezzle-flyer
save=$player/data/dat/game.dat
# The shared helpers read the log in the test's folder.
ln -s "$player/gamelog.txt" "$work/gamelog.txt"

tree() {
  (cd "$1" && find . -printf '%p %y %m %s %T@ %l\n' | sort && find . -type f -exec md5sum {} + | sort)
}
links() {
  find "$player/data" -mindepth 1 -maxdepth 1 -printf '%f %y %i %T@ %l\n' | sort
}
installed_before=$(tree "$prefix")

# Starts an installed launcher (from / so that nothing depends on the working folder).
start_installed() {
  (cd / && exec env "$@") &
  game_pid=$!
}

# Runs a launcher that must refuse: status 1 and one line on standard error.
expect_refusal() {
  local what=$1 status=0
  shift
  (cd / && env "$@") >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = 1 ] || fail "$what: status $status"
  [ "$(wc -l <"$work/err")" = 1 ] && [ ! -s "$work/out" ] || fail "$what: said $(cat "$work/out" "$work/err")"
}

own_display
start_installed HOME="$home" "$prefix/bin/fezzle-flyer"
wait_for_window 1.5
[ "$(readlink "/proc/$game_pid/exe")" = "$prefix/libexec/fezzle-flyer/fezzle-flyer" ] ||
  fail "the launcher did not become the installed game"
[ "$(readlink "/proc/$game_pid/cwd")" = "$player" ] || fail "the game runs in $(readlink "/proc/$game_pid/cwd")"
wait_for_log_line ": Moving to state MenuState" 1 5
press Return Return
wait_for_log_line ": Moving to state ActionState" 1 5
press 1
record=0
for _ in $(seq 100); do
  [ -f "$save" ] && record=$(int32_at "$save" 0) && [ "$record" -gt 0 ] && break
  sleep 0.1
done
[ "$record" -gt 0 ] || fail "no record in $save"
expect_refusal "a second game" HOME="$home" "$prefix/bin/fezzle-flyer"
grep -q 'already running' "$work/err" || fail "the second game's refusal: $(cat "$work/err")"
stop_game

# A second start keeps the record and changes no link.
links_before=$(links)
start_installed HOME="$home" "$prefix/bin/fezzle-flyer"
wait_for_window 1
stop_game
[ "$(int32_at "$save" 0)" = "$record" ] || fail "the second start lost the record"
[ "$(links)" = "$links_before" ] || fail "the second start changed links: $(diff <(echo "$links_before") <(links))"
[ "$(tree "$prefix")" = "$installed_before" ] || fail "the installed tree changed"

# The staged tree plays where it lies, with the player's folder under XDG_DATA_HOME.
start_installed HOME="$home" XDG_DATA_HOME="$work/xdg" "$staged/bin/fezzle-flyer"
wait_for_window 1
stop_game
[ "$(stat -c %s "$work/xdg/fezzle-flyer/data/dat/game.dat")" = 152 ] || fail "no save file under XDG_DATA_HOME"
[ "$(readlink "$work/xdg/fezzle-flyer/data/maps")" = "$staged/share/fezzle-flyer/data/maps" ] ||
  fail "the staged tree's links point elsewhere"

expect_refusal "no HOME" -u HOME -u XDG_DATA_HOME "$prefix/bin/fezzle-flyer"
echo plain >"$work/plain"
expect_refusal "a player folder below a regular file" HOME="$home" XDG_DATA_HOME="$work/plain/below" "$prefix/bin/fezzle-flyer"
mv "$prefix/share/fezzle-flyer/data" "$work/data-away"
expect_refusal "missing data" HOME="$home" XDG_DATA_HOME="$work/fresh" "$prefix/bin/fezzle-flyer"
[ ! -e "$work/fresh" ] || fail "missing data left a player folder"
echo "ok"
