#!/usr/bin/env bash
# Makes the README's picture with the demo itself: one full orbit after the
# first stripe sweep, as 24 frames 15 degrees apart. Each frame is the last
# frame of a run with a fixed step and seed (--step-ms 1 turns 0.1 degree a
# frame, so 150 frames apart is 15 degrees), saved by --screenshot; the
# frames are then scaled to half size and joined into a looping GIF.
# Usage: make-picture.sh [EXECUTABLE] [OUTPUT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/animated-texture}
output=${2:-$root/docs/demo.gif}
first_frame=5480   # the first sweep ends at frame 5,462
frames_apart=150
pictures=24
source "$root/scripts/real-stack.sh"
source "$root/tests/golden/render.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
render() {
    local n=$1
    render_case "$exe" 640x480x24 "--step-ms 1 --seed 1 --frames $((first_frame + n * frames_apart))" \
        "$work/$(printf '%02d' "$n").png"
}
# Two runs at a time, one a core.
for n in $(seq 0 2 $((pictures - 1))); do
    render "$n" &
    render $((n + 1))
    wait
done
convert -delay 8 -loop 0 "$work"/*.png -resize 50% -layers Optimize "$output"
echo "Saved $output ($(du -h "$output" | cut -f1))"
