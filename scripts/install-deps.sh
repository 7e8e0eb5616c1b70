#!/usr/bin/env bash
# Installs the Debian packages the demo and its tests need, if any is missing.
# Usage: install-deps.sh [run|test|package]   (default: test; each of test
# and package is a superset of run)
set -euo pipefail

run_packages=(
    cmake g++ pkg-config
    libsdl1.2-dev            # classic SDL 1.2.15, which the program links
    libgl-dev libglu1-mesa-dev
    libgl1-mesa-dri          # Mesa's software renderer, llvmpipe
    libcli11-dev             # command-line parsing
    libpng-dev               # the screenshot
    xvfb x11-utils           # a virtual display, for machines without one
)
test_packages=(
    libsdl1.2-compat         # SDL 1.2 over SDL2, chosen at run time
    libx11-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    valgrind
    xdotool                  # keys and window sizes on the virtual display
    openbox                  # a window manager, for the resize case
    imagemagick              # sizes and comparisons of saved frames
    desktop-file-utils man-db  # checks of the launcher and the manual page
)
package_packages=(
    dpkg-dev                 # dpkg-shlibdeps, for the package's dependencies
    lintian desktop-file-utils man-db
    imagemagick              # sizes of the installed icons
)

packages=("${run_packages[@]}")
case "${1:-test}" in
    run) ;;
    test) packages+=("${test_packages[@]}") ;;
    package) packages+=("${package_packages[@]}") ;;
    *) echo "usage: install-deps.sh [run|test|package]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
