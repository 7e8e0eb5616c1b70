#!/usr/bin/env bash
# The CPU that each pacing costs, on the real executable: the process's user
# plus system time (all its threads, llvmpipe's included) per second of
# run, in percent of one core, with the frame rate that --fps reports.
# The CPU time is read from /proc between two points of a steady run, after
# a warm-up, so that start-up (LLVM compiling llvmpipe's shaders) does not
# count. Runs on the current display (a virtual one is fine).
# Usage: pacing_cost.sh EXECUTABLE classic|compat [SECONDS]   (default 10)
set -euo pipefail
exe=$1 build=$2 seconds=${3:-10}
warm_up_seconds=2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/real-stack.sh"
library=
[ "$build" = compat ] && library=$(sdl12_compat_dir)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ticks_per_second=$(getconf CLK_TCK)

# CPU ticks, user and system, of a process and all its threads.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# measure LABEL [VAR=value ...] [OPTIONS]: one run, ended by SIGTERM after
# the warm-up and the measured seconds.
measure() {
    local label=$1 settings=()
    shift
    while [[ "${1:-}" == *=* ]]; do settings+=("$1"); shift; done
    env ${library:+LD_LIBRARY_PATH=$library} "${settings[@]}" "$exe" --fps "$@" >/dev/null 2>"$log" &
    local pid=$!
    sleep "$warm_up_seconds"
    local before after
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    kill -TERM "$pid"
    wait "$pid"
    awk -v label="$label" -v ticks=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
        -v line="$(tail -n 1 "$log")" 'BEGIN {
        match(line, /= [0-9.]+ frames\/s mean/); rate = substr(line, RSTART + 2, RLENGTH - 18)
        match(line, /median [0-9.]+ ms/); median = substr(line, RSTART + 7, RLENGTH - 10)
        match(line, /percentile [0-9.]+ ms/); p99 = substr(line, RSTART + 11, RLENGTH - 14)
        printf "%-28s %10.1f %11s %9s %12.0f%%\n", label, rate, median, p99, 100 * ticks / hz / s
    }'
}

echo "$build: $seconds s a pacing, after $warm_up_seconds s of warm-up"
printf "%-28s %10s %11s %9s %13s\n" pacing "frames/s" "median ms" "p99 ms" "CPU (1 core)"
measure "busy (default)"
measure "--max-fps 60" --max-fps 60
measure "--vsync" --vsync
# sdl12-compat draws an OpenGL program into an offscreen framebuffer and
# copies it to the window at each swap, unless told not to.
if [ "$build" = compat ]; then
    measure "--max-fps 60, no GL scaling" SDL12COMPAT_OPENGL_SCALING=0 --max-fps 60
fi
