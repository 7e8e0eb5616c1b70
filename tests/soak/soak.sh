#!/usr/bin/env bash
# Runs the real demo for a number of frames on a virtual display, on one SDL
# 1.2 build, and checks that its resident memory stays flat: the reading at
# frame 1,000 and the one at the last frame must differ by less than 1 MiB.
# Usage: soak.sh EXECUTABLE FRAME_PROBE_LIBRARY classic|compat FRAMES
set -u
exe=$1 probe=$2 build=$3 frames=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/real-stack.sh"

mark=1000
limit_kib=1024
sdl_path=
[ "$build" = compat ] && sdl_path=$(sdl12_compat_dir)
result=$(mktemp)
trap 'stop_xvfb; rm -f "$result"' EXIT

start_xvfb || exit 1
# glibc raises its mmap threshold the first time Mesa frees a large block,
# and the heap then keeps about 1-2 MiB more resident, once, a few thousand
# frames in. Pinning the threshold at glibc's own starting value keeps that
# one-time step out of the reading, so a difference means real growth.
timeout 600 env ${sdl_path:+LD_LIBRARY_PATH=$sdl_path} LD_PRELOAD="$probe" \
    GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072 \
    FRAME_PROBE_FRAMES="$frames" FRAME_PROBE_MARK="$mark" FRAME_PROBE_OUT="$result" \
    "$exe" >/dev/null
status=$?

line=$(cat "$result")
echo "$build, $frames frames: $line, status $status"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
[[ "$line" =~ mark_rss_kib=([0-9]+)\ end_rss_kib=([0-9]+) ]] || { echo "FAIL: no probe result"; exit 1; }
growth=$((BASH_REMATCH[2] - BASH_REMATCH[1]))
if [ "${growth#-}" -ge "$limit_kib" ]; then
    echo "FAIL: resident memory moved by $growth KiB between frame $mark and frame $frames"
    exit 1
fi
echo "PASS: resident memory moved by $growth KiB between frame $mark and frame $frames"
