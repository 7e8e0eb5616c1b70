#!/usr/bin/env bash
# Installs what is missing, builds the demo with its tests and benchmarks,
# and runs the whole test suite: unit tests, rendering checks on Mesa, and
# end-to-end runs of the real executable on both SDL 1.2 builds.
# The 20,000-frame soak runs on demand only: ctest --test-dir build -L '^soak$'
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh" test
# CI treats every warning as an error.
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS="$werror" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -LE '^soak$'
