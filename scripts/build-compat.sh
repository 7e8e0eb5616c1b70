#!/usr/bin/env bash
# Builds the demo against the SDL 1.2 of the newer distributions: the
# development files of sdl12-compat (libsdl1.2-compat-dev, the SDL 1.2
# development package of Debian 13 and Fedora). They conflict with Debian
# 12's libsdl1.2-dev, so they are not installed: the packages are unpacked
# into a folder and pkg-config is pointed there. The build treats warnings
# as errors; its unit tests then run against those headers, and its
# end-to-end cases and golden frames on sdl12-compat's runtime.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-compat}
sysroot=$build/sdl12-compat-root
packages=(libsdl1.2-compat-dev libsdl1.2-compat-shim libsdl1.2-compat)

bash "$root/scripts/install-deps.sh" test
mkdir -p "$build/debs" "$sysroot"
if ! (cd "$build/debs" && apt-get download "${packages[@]}" >/dev/null 2>&1); then
    apt-get update -qq
    (cd "$build/debs" && apt-get download "${packages[@]}" >/dev/null)
fi
for deb in "$build"/debs/*.deb; do
    dpkg-deb -x "$deb" "$sysroot"
done

export PKG_CONFIG_SYSROOT_DIR=$sysroot
export PKG_CONFIG_PATH=$sysroot/usr/lib/x86_64-linux-gnu/pkgconfig
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=ON >/dev/null
sdl_version=$(sed -nE 's/^SDL_VERSION:INTERNAL=(.*)/\1/p' "$build/CMakeCache.txt")
[[ "$sdl_version" == 1.2.6* ]] || { echo "built against SDL $sdl_version, not sdl12-compat" >&2; exit 1; }
echo "== building against sdl12-compat $sdl_version's headers, warnings as errors"
cmake --build "$build" -j"$(nproc)"

echo "== unit tests against those headers; end-to-end cases and golden frames on sdl12-compat"
ctest --test-dir "$build" --output-on-failure -L '^unit$'
ctest --test-dir "$build" --output-on-failure -R '^(e2e_compat|e2e_options_compat|golden_compat)$'
