#!/usr/bin/env bash
# Lays each world out as the game draws it, for review: the background repeated and darkened by its
# tint, far scenery, the world's terrain pieces on the cell grid, near scenery on top.
# Usage: assets/worlds/preview.sh [data dir (build/data)] [output dir (build/world-previews)]
set -euo pipefail
cd "$(dirname "$0")/../.."
data=${1:-build/data}
out=${2:-build/world-previews}
mkdir -p "$out"
# Debian's ImageMagick, whatever else is called convert on the PATH.
im=/usr/bin/convert
catalogue=assets/worlds/pieces.txt

width=2400
height=800
# The level samples the background at 1.3 picture pixels per level pixel.
tile=$((512 * 10 / 13))

tints=("0.2 0.2 0.2" "0.2 0.2 0.2" "0.1 0.1 0.1" "0.2 0.2 0.2" "0.3 0.1 0.0")
parallax=("1:120:60 2:1300:20 3:1700:380" "2:500:40" "5:900:80 5:1500:200" "4:300:100 4:1400:60" "4:600:120 1:1800:40")
foreground=("1:200:0 3:900:0 2:1500:544 4:1900:100" "5:100:0 6:1000:400" "7:300:0 8:1300:400" "9:200:0 10:1100:400" "11:300:0 12:1200:0")

open_sides() { awk -v n="$1" '$1 == "formation" && $2 == n { print $4 }' "$catalogue"; }

for world in 1 2 3 4 5; do
  read -r tr tg tb <<<"${tints[world - 1]}"
  layers=()
  # Far scenery, untinted, like the level draws it.
  for entry in ${parallax[world - 1]}; do
    IFS=: read -r n x y <<<"$entry"
    size=$([ "$n" = 1 ] && echo 200 || echo 400)
    layers+=( \( "$data/parallax$n.png" -resize "${size}x${size}!" \) -geometry "+$x+$y" -composite )
  done
  # Five formations of the world, 12 cells apart so open sides meet: ceilings hang from the top,
  # floors stand on the bottom.
  for i in 0 1 2 3 4; do
    n=$((5 + (world - 1) * 5 + i))
    sides=$(open_sides "$n")
    y=200
    case "$sides" in *T*) y=0 ;; *B*) y=400 ;; esac
    layers+=( \( "$data/collision$n.png" -resize "400x400!" \) -geometry "+$((i * 384))+$y" -composite )
  done
  # Its square tiles: insides with a capped row on top, at both sizes.
  fill64=$((31 + (world - 1) * 2)); fill128=$((41 + (world - 1) * 2))
  for col in 0 1 2 3 4 5; do
    x=$((2000 + col * 64))
    layers+=( "$data/collision$((fill64 + 1)).png" -geometry "+$x+288" -composite )
    layers+=( "$data/collision$fill64.png" -geometry "+$x+352" -composite )
  done
  for col in 0 1 2; do
    x=$((2000 + col * 128))
    layers+=( "$data/collision$((fill128 + 1)).png" -geometry "+$x+544" -composite )
    layers+=( "$data/collision$fill128.png" -geometry "+$x+672" -composite )
  done
  for entry in ${foreground[world - 1]}; do
    IFS=: read -r n x y <<<"$entry"
    size=$([ "$n" -le 2 ] && echo 256 || echo 400)
    layers+=( \( "$data/foreground$n.png" -resize "${size}x${size}!" \) -geometry "+$x+$y" -composite )
  done
  "$im" "$data/jee$world.png" -resize "${tile}x${tile}!" "$out/.tile.png"
  "$im" -size "${width}x${height}" tile:"$out/.tile.png" \
    -channel R -evaluate multiply "$tr" -channel G -evaluate multiply "$tg" \
    -channel B -evaluate multiply "$tb" +channel -alpha off \
    "${layers[@]}" "$out/world$world.png"
  echo "$out/world$world.png"
done
rm -f "$out/.tile.png"
