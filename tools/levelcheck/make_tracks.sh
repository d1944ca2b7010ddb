#!/usr/bin/env bash
# Flies every level (or the numbers given) with the autopilot in both modes and stores the tracks
# it finds in levels/tracks. Run after changing a level or its route; then check with
# build/fezzle-levelcheck --maps build/data/maps.
# Usage: tools/levelcheck/make_tracks.sh [level numbers...]
set -uo pipefail
cd "$(dirname "$0")/../.."
levels=("$@")
[ ${#levels[@]} -gt 0 ] || levels=($(seq 0 17))
status=0
for n in "${levels[@]}"; do
  name=$(printf "map%02d" "$n")
  for mode in easy hard; do
    build/fezzle-autopilot "build/data/maps/map$n.mp" "levels/tracks/$name.route" "$mode" \
      "levels/tracks/$name-$mode.track" || status=1
  done
done
exit $status
