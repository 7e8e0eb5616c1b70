#!/usr/bin/env bash
# Installs the build into a folder of its own (cmake --install --prefix) and
# checks what lands there: the executable, which runs from there; the
# manual page, which renders without a warning; the launcher, which is a
# valid desktop entry that opens a window; an icon of every size the
# hicolor theme looks in; and the copyright and changelog.
# Usage: install_check.sh BUILD_FOLDER
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failures=0
expect() {  # expect DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then echo "PASS  $description"; else echo "FAIL  $description"; failures=$((failures + 1)); fi
}

expected=(bin/animated-texture share/man/man1/animated-texture.1.gz
    share/applications/animated-texture.desktop
    share/doc/animated-texture/copyright share/doc/animated-texture/changelog.Debian.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/animated-texture.png")
done
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
expect "exactly the expected files" [ "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)" ]
expect "the installed executable runs" bash -c '"$1/bin/animated-texture" --version | grep -q "^animated-texture [0-9]"' _ "$prefix"
warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/animated-texture.1.gz" 2>&1 >/dev/null)
expect "the manual page renders without warnings" [ -z "$warnings" ]
[ -z "$warnings" ] || echo "$warnings"
expect "the launcher is valid" desktop-file-validate "$prefix/share/applications/animated-texture.desktop"
expect "the launcher opens a window" grep -qx 'Exec=animated-texture --windowed' \
    "$prefix/share/applications/animated-texture.desktop"
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/animated-texture.png"
    expect "icon ${size}x${size}" [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ]
done

echo "install: $failures failed"
[ "$failures" -eq 0 ]
