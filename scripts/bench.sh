#!/usr/bin/env bash
# The full benchmark: frames on the real stack on both SDL 1.2 builds
# (classic, and sdl12-compat chosen through LD_LIBRARY_PATH), the CPU that
# each pacing of the real executable costs on both, then the CPU cost of the
# demo's own code with OpenGL stubbed out.
# Usage: bench.sh [FRAMES]   (default 5000 per kind of frame)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
frames=${1:-5000}

bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target animated-texture frame_bench animate_bench >/dev/null

source "$root/scripts/real-stack.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    start_xvfb
    trap stop_xvfb EXIT
fi
compat=$(sdl12_compat_dir)

echo "== classic SDL 1.2"
"$build/bench/frame_bench" "$frames"
echo
echo "== sdl12-compat"
LD_LIBRARY_PATH=$compat "$build/bench/frame_bench" "$frames"
echo
echo "== pacing: the real executable, --fps, CPU per second of run"
bash "$root/bench/pacing_cost.sh" "$build/animated-texture" classic
echo
bash "$root/bench/pacing_cost.sh" "$build/animated-texture" compat
echo
echo "== the demo's own code, OpenGL stubbed"
"$build/bench/animate_bench"
