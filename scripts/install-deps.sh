#!/usr/bin/env bash
# Installs the Debian packages the demo and its tests need, if any is missing.
# Usage: install-deps.sh [run|test]   (default: test, which is a superset)
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
)

packages=("${run_packages[@]}")
[ "${1:-test}" = run ] || packages+=("${test_packages[@]}")

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
