#!/usr/bin/env bash
# Installs what is missing, builds the demo in Release and runs it.
# On a display it runs until Escape. Without one it runs on a virtual display
# long enough for the first stripe sweep to finish (about 5,500 frames),
# saves a screenshot, and ends the demo with Escape.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-run}
screenshot=$build/demo-screenshot.png
seconds_on_virtual_display=20

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target animated-texture >/dev/null
demo=$build/animated-texture

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$demo"
fi

source "$root/scripts/real-stack.sh"
start_xvfb
trap stop_xvfb EXIT
echo "No display: running the demo on the virtual display $DISPLAY for $seconds_on_virtual_display s."
"$demo" &
pid=$!
sleep "$seconds_on_virtual_display"
import -window root "$screenshot"
xdotool key Escape
status=0
wait "$pid" || status=$?
echo "Saved a screenshot to $screenshot, then pressed Escape: the demo ended with status $status."
exit "$status"
