#!/usr/bin/env bash
# Records the README's picture: a few seconds of the demo on a virtual
# display, taken after the first stripe sweep has finished, scaled to half
# size and saved as a looping GIF.
# Usage: record-picture.sh [EXECUTABLE] [OUTPUT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=${1:-$root/build-run/animated-texture}
output=${2:-$root/docs/demo.gif}
frames=40
source "$root/scripts/real-stack.sh"

work=$(mktemp -d)
start_xvfb
trap 'kill $pid 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
"$demo" >/dev/null &
pid=$!
sleep 20
for i in $(seq -w 1 "$frames"); do
    import -window root "$work/frame$i.png"
    sleep 0.05
done
xdotool key Escape
wait "$pid"
convert -delay 10 -loop 0 "$work"/frame*.png -resize 50% -layers Optimize "$output"
echo "Saved $output ($(du -h "$output" | cut -f1))"
