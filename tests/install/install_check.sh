#!/usr/bin/env bash
# Installs the build into a folder of its own (cmake --install --prefix) and
# checks that it holds exactly what an installation should.
# Usage: install_check.sh BUILD_FOLDER
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
bash "$(dirname "$0")/check_installed.sh" --exact "$prefix"
