#!/usr/bin/env bash
# The Debian package that scripts/package built: lintian finds no error and no warning that
# docs/packaging.md does not explain; its control fields, its files (those of an install with the
# package's folders) and its documents are as Debian wants them; installed into a throw-away root it
# plays, and removed it leaves the player's records.
set -euo pipefail

deb=$1
package_build=$2
docs=$3
[ -f "$deb" ] || { echo "no package at $deb: scripts/package builds it"; exit 77; }
work=$(mktemp -d /tmp/fezzle-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/checks.bash"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.txt")"
for tag in $(sed -n 's/^[EW]: [^ ]* \([a-z0-9-]*\).*/\1/p' "$work/lintian.txt" | sort -u); do
  grep -q "\`$tag\`" "$docs" || fail "lintian warns $tag, which $docs does not explain"
done

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture) $(field Section)" = "fezzle-flyer 0.2.0 amd64 games" ] ||
  fail "control: $(field Package) $(field Version) $(field Architecture) $(field Section)"
field Maintainer | grep -Eqx '[A-Z][^<>]+ <[a-z.-]+@[a-z-]+(\.[a-z-]+)+>' || fail "maintainer: $(field Maintainer)"
for library in libsdl1.2debian libsdl-image1.2 libsdl-mixer1.2 libc6; do
  field Depends | grep -q "$library (>=" || fail "no dependency on $library: $(field Depends)"
done
[ "$(field Description | wc -l)" -ge 4 ] || fail "no long description"

# The package holds exactly what an install with its folders lays out, with the same modes and, but
# for the stripped program, the same bytes.
DESTDIR=$work/installed cmake --install "$package_build" >/dev/null
dpkg-deb -x "$deb" "$work/unpacked"
listing() { (cd "$1" && find . -mindepth 1 -printf '%p %M\n' | sort); }
diff <(listing "$work/installed") <(listing "$work/unpacked") >"$work/diff.txt" ||
  fail "the package and the install differ: $(head -n 20 "$work/diff.txt")"
program=usr/libexec/fezzle-flyer/fezzle-flyer
sums() { (cd "$1" && find . -type f ! -path "./$program" -exec md5sum {} + | sort -k 2); }
[ "$(sums "$work/installed")" = "$(sums "$work/unpacked")" ] || fail "files of the package differ from the install"
file "$work/unpacked/$program" | grep -q ', stripped' || fail "the program is not stripped"

# Debian's folders for games; the documents Debian asks for.
root=$work/unpacked
[ -x "$root/usr/games/fezzle-flyer" ] || fail "no launcher in /usr/games"
[ -f "$root/usr/share/games/fezzle-flyer/data/maps/map0.mp" ] || fail "no data in /usr/share/games/fezzle-flyer"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/fezzle-flyer/copyright" || fail "the copyright file is not machine-readable"
zcat "$root/usr/share/doc/fezzle-flyer/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = 0.2.0 ] || fail "the changelog's version"
check_installed_files "$root/usr" /usr/games/fezzle-flyer

# Into a throw-away root with dpkg itself (its dependencies are this machine's), then removed.
dpkg_root=$work/root
mkdir -p "$dpkg_root/var/lib/dpkg/info" "$dpkg_root/var/lib/dpkg/updates"
touch "$dpkg_root/var/lib/dpkg/status"
dpkg_in_root() { dpkg --root="$dpkg_root" --force-depends --force-not-root --log=/dev/null "$@" >/dev/null; }
dpkg_in_root -i "$deb" || fail "dpkg could not install the package"
home=$work/home
mkdir -p "$home"
[ "$(HOME="$home" "$dpkg_root/usr/games/fezzle-flyer" --version)" = "fezzle-flyer 0.2.0" ] ||
  fail "the installed launcher's version"
save=$home/.local/share/fezzle-flyer/data/dat/game.dat
if [ -n "${DISPLAY:-}" ]; then
  HOME="$home" FEZZLE_EXIT_AFTER_FRAMES=3 timeout 60 "$dpkg_root/usr/games/fezzle-flyer" ||
    fail "the installed game did not start and end"
  [ "$(stat -c %s "$save")" = 152 ] || fail "the installed game wrote no save file"
  [ "$(readlink "$home/.local/share/fezzle-flyer/data/maps")" = "$dpkg_root/usr/share/games/fezzle-flyer/data/maps" ] ||
    fail "the player's links do not point into the installed package"
fi
dpkg_in_root -r fezzle-flyer || fail "dpkg could not remove the package"
[ -z "$(find "$dpkg_root/usr" -type f)" ] || fail "files left after removal: $(find "$dpkg_root/usr" -type f | head)"
if [ -n "${DISPLAY:-}" ]; then
  [ "$(stat -c %s "$save")" = 152 ] || fail "removing the package took the records"
fi
echo "ok"
