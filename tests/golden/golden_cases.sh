#!/usr/bin/env bash
# Renders each golden frame on one SDL 1.2 build and compares it with the
# committed picture: at most kMaxPixels pixels may differ by more than the
# fuzz, which leaves room for small differences in rasterisation between
# SDL builds and CPUs, but not for anything drawn in the wrong place, size
# or colour. A second render of one case must match the first exactly: with
# a fixed step and seed, two runs draw the same frames.
# Usage: golden_cases.sh EXECUTABLE classic|compat
set -u
exe=$1 build=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/real-stack.sh"
source "$here/render.sh"
fuzz=5%
max_pixels=100

library=
[ "$build" = compat ] && library=$(sdl12_compat_dir)
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT

failures=0
while IFS='|' read -r name screen args; do
    got="$work/$name.png"
    if ! render_case "$exe" "$screen" "$args" "$got" "$library"; then
        echo "FAIL  $build: $name  the run failed"
        failures=$((failures + 1))
        continue
    fi
    differing=$(compare -metric AE -fuzz "$fuzz" "$here/$name.png" "$got" null: 2>&1)
    if [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -le "$max_pixels" ]; then
        echo "PASS  $build: $name  $differing pixels differ by more than $fuzz"
    else
        echo "FAIL  $build: $name  $differing pixels differ by more than $fuzz (at most $max_pixels)"
        cp "$got" "${TMPDIR:-/tmp}/golden-$build-$name.png" && echo "      saved as ${TMPDIR:-/tmp}/golden-$build-$name.png"
        failures=$((failures + 1))
    fi
done < <(golden_cases)

IFS='|' read -r name screen args < <(golden_cases | head -n 1)
render_case "$exe" "$screen" "$args" "$work/again.png" "$library"
differing=$(compare -metric AE "$work/$name.png" "$work/again.png" null: 2>&1)
if [ "$differing" = 0 ]; then
    echo "PASS  $build: $name twice  identical"
else
    echo "FAIL  $build: $name twice  $differing pixels differ"
    failures=$((failures + 1))
fi

echo "$build: $failures failed"
[ "$failures" -eq 0 ]
