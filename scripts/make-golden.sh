#!/usr/bin/env bash
# Renders the golden frames of tests/golden/cases again, on the classic SDL
# 1.2 build that the program links, and writes them over the committed ones.
# Run it when a change alters the picture on purpose (the scene, the
# animation, the lighting), look at the new pictures, and commit them with
# the change.
# Usage: make-golden.sh [EXECUTABLE]   (default: build/animated-texture)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/animated-texture}
source "$root/scripts/real-stack.sh"
source "$root/tests/golden/render.sh"

while IFS='|' read -r name screen args; do
    render_case "$exe" "$screen" "$args" "$golden_dir/$name.png"
    echo "$name.png: $(identify -format '%wx%h' "$golden_dir/$name.png"), $(du -h "$golden_dir/$name.png" | cut -f1)"
done < <(golden_cases)
