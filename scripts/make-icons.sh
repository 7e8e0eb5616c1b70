#!/usr/bin/env bash
# Makes the desktop icon from a frame of the demo itself: frame 14,750 of a
# seeded, fixed-step run in a 512 x 512 window (the cube near, in two sweep
# colours, the sphere beside it), saved with --screenshot, trimmed to the
# objects, squared on the demo's own black, and scaled to each size the
# hicolor icon theme looks in. The black stays opaque: the cube's texture
# has black lines between its stripes that would otherwise turn see-through.
# Usage: make-icons.sh [EXECUTABLE]   (default: build/animated-texture)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/animated-texture}
icons=$root/packaging/icons
sizes=(16 22 24 32 48 64 128 256)
source "$root/scripts/real-stack.sh"
source "$root/tests/golden/render.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
render_case "$exe" 640x480x24 "--windowed --size 512x512 --step-ms 1 --seed 1 --frames 14750" "$work/frame.png"
convert "$work/frame.png" -trim +repage "$work/objects.png"
# A margin of a twentieth of the side around the objects.
side=$(identify -format '%[fx:round(max(w,h) * 1.1)]' "$work/objects.png")
for size in "${sizes[@]}"; do
    mkdir -p "$icons/${size}x${size}"
    convert "$work/objects.png" -background black -gravity center -extent "${side}x${side}" \
        -resize "${size}x${size}" -strip "$icons/${size}x${size}/animated-texture.png"
done
du -ch "$icons"/*/animated-texture.png | tail -n 1
