#!/usr/bin/env bash
# One short memcheck run of the real demo on a virtual display: a few
# hundred frames, ended by the frame probe's quit event. It fails on any
# invalid read or write, and any leak, that the demo's own code makes: an
# error counts as the demo's own when one of its innermost frames lies in
# the executable. Errors inside the system libraries (the dynamic loader,
# Mesa, X11, SDL) are listed in the log but are not the demo's.
# Usage: memcheck.sh EXECUTABLE FRAME_PROBE_LIBRARY FRAMES [DEMO ARGUMENTS]
set -u
exe=$1 probe=$2 frames=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/real-stack.sh"
log=$(mktemp)
result=$(mktemp)
trap 'stop_xvfb; rm -f "$log" "$result"' EXIT

start_xvfb || exit 1
FRAME_PROBE_FRAMES="$frames" FRAME_PROBE_MARK=1 FRAME_PROBE_OUT="$result" LD_PRELOAD="$probe" \
    timeout 900 valgrind --leak-check=full --show-leak-kinds=definite,indirect \
    --num-callers=30 "$exe" "$@" >/dev/null 2>"$log"
status=$?

grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:" "$log"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; tail -n 20 "$log"; exit 1; }
grep -q "frames=$frames " "$result" || { echo "FAIL: the run did not reach frame $frames"; exit 1; }

exe_name=$(basename "$exe")
own=$(awk -v exe="$exe_name)" '
    /^==[0-9]+== (Invalid (read|write)|.*are (definitely|indirectly) lost)/ { kind = $0; depth = 0; next }
    kind != "" && /^==[0-9]+== +(at|by) / {
        if (++depth <= 3 && index($0, exe) > 0) { print kind; kind = "" }
        next
    }
    { kind = "" }
' "$log")
if [ -n "$own" ]; then
    echo "FAIL: errors in the demo's own code:"
    echo "$own"
    exit 1
fi
echo "PASS: $frames frames under memcheck, no invalid access or leak in the demo's own code"
