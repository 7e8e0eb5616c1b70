#!/usr/bin/env bash
# The Debian package, from build to removal: builds it with CPack, checks it
# with lintian (no error allowed), installs it system-wide with apt-get,
# checks what it put in place (the checks of tests/install) and that PATH
# and man find it, runs the installed demo once on a virtual display, then
# removes it and checks that none of its files is left. It installs system-wide, so the test
# command leaves it out; CI runs it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-package}

bash "$root/scripts/install-deps.sh" package
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DWARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
cpack_log=$(cd "$build" && cpack -G DEB 2>&1) || { echo "$cpack_log"; exit 1; }
version=$(sed -nE 's/^project\(animated_texture VERSION ([0-9.]+) .*/\1/p' "$root/CMakeLists.txt")
deb=$(ls "$build"/animated-texture_"$version"-*_*.deb)

failures=0
check() {  # check DESCRIPTION COMMAND...: PASS or FAIL with the command's output
    local description=$1 output
    shift
    if output=$("$@" 2>&1); then
        echo "PASS  $description"
    else
        echo "FAIL  $description"
        [ -z "$output" ] || sed 's/^/      /' <<<"$output"
        failures=$((failures + 1))
    fi
}

echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Depends
lintian_output=$(lintian --display-info --display-experimental --pedantic "$deb" 2>&1 | grep -v 'running with root privileges' || true)
echo "${lintian_output:-lintian: no tags}"
check "lintian reports no error" bash -c "! grep -q '^E:' <<<\"\$1\"" _ "$lintian_output"

echo "== install"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -nE 's|^\./(.*[^/])$|/\1|p')

check "animated-texture --version from PATH" bash -c \
    '[ "$(command -v animated-texture)" = /usr/bin/animated-texture ] &&
     [ "$(animated-texture --version)" = "animated-texture $1" ]' _ "$version"
check "man -w finds the manual page" bash -c \
    '[ "$(man -w animated-texture)" = /usr/share/man/man1/animated-texture.1.gz ]'
check "the installed files" bash "$root/tests/install/check_installed.sh" /usr
source "$root/scripts/real-stack.sh"
start_xvfb
out=$(mktemp)
check "one run of 100 frames" bash -c \
    'animated-texture --frames 100 >"$1" && [ "$(head -n 1 "$1")" = "SDL Video Driver-name: x11" ]' _ "$out"
rm -f "$out"
stop_xvfb

echo "== remove"
apt-get remove --purge -y -qq animated-texture >/dev/null
check "the package is gone" bash -c '! dpkg -s animated-texture >/dev/null 2>&1'
check "none of its files is left" bash -c 'for f in $1; do [ ! -e "$f" ] || { echo "left: $f"; exit 1; }; done' _ "$files"
check "its documentation folder is gone" test ! -e /usr/share/doc/animated-texture

echo "package round trip: $failures failed"
[ "$failures" -eq 0 ]
