#!/usr/bin/env bash
# Installs what is missing, builds the demo in Release and runs it; any
# arguments are passed on to the demo (see --help).
# On a display it runs until Escape. Without one it runs on a virtual
# display for 5,600 frames, past the end of the first stripe sweep (5,462
# frames), and saves the last frame with its own --screenshot option.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-run}
screenshot=$build/demo-screenshot.png
frames_on_virtual_display=5600

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target animated-texture >/dev/null
demo=$build/animated-texture

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$demo" "$@"
fi

source "$root/scripts/real-stack.sh"
start_xvfb
trap stop_xvfb EXIT
echo "No display: running the demo on the virtual display $DISPLAY for $frames_on_virtual_display frames."
status=0
"$demo" --frames "$frames_on_virtual_display" --screenshot "$screenshot" "$@" || status=$?
if [ "$status" -eq 0 ]; then
    echo "The demo ended with status 0 and saved its last frame to $screenshot."
else
    echo "The demo ended with status $status."
fi
exit "$status"
