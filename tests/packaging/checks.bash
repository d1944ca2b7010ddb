# Checks shared by the install and package tests: what desktops, software centres and man make of
# an installed tree. Sourced, not run; the caller defines fail.

app_id=org.fezzleflyer.FezzleFlyer

# The desktop entry, the metadata and the manual page below a prefix pass their validators, and the
# icons are there at their sizes.
check_installed_files() {
  local prefix=$1 launcher=$2 size icon
  local desktop=$prefix/share/applications/$app_id.desktop
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
  grep -qxF "Exec=$launcher" "$desktop" || fail "the desktop entry does not start $launcher"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
    fail "appstreamcli refuses the metadata: $(cat "$work/appstream.txt")"
  local page=$prefix/share/man/man6/fezzle-flyer.6.gz
  LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$work/man.txt"
  [ ! -s "$work/man.txt" ] || fail "the manual page renders with warnings: $(cat "$work/man.txt")"
  zcat "$page" | grep -q 'data/dat/game.dat' || fail "the manual page does not say where records live"
  # Compressed with -9n: no name, no time, best compression.
  [ "$(od -An -t u1 -j 3 -N 6 "$page" | tr -s ' ')" = " 0 0 0 0 0 2" ] || fail "the manual page is not gzip -9n"
  for size in 32 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png
    [ "$(identify -format '%wx%h %[channels]' "$icon")" = "${size}x$size srgba" ] ||
      fail "icon $icon is $(identify -format '%wx%h %[channels]' "$icon")"
  done
  icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
  grep -q 'href="parts/' "$icon" && fail "the scalable icon needs files that are not installed"
  rsvg-convert --width=48 --height=48 "$icon" >"$work/icon48.png" || fail "the scalable icon does not render"
  for doc in README.md LICENSE copyright changelog.gz; do
    [ -s "$prefix/share/doc/fezzle-flyer/$doc" ] || fail "no $doc in the documents"
  done
}
