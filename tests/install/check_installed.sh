#!/usr/bin/env bash
# Checks what an installation of the demo holds under PREFIX (a folder of
# cmake --install, or /usr for the Debian package): the executable, which
# runs from there; the manual page, which renders without a warning; the
# launcher, a valid desktop entry that opens a window; an icon of every size
# the hicolor theme looks in; the copyright and the changelog. With --exact,
# PREFIX must hold these files and nothing else.
# Usage: check_installed.sh [--exact] PREFIX
set -u
exact=no
[ "$1" = --exact ] && { exact=yes; shift; }
prefix=$1

failures=0
expect() {  # expect DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then echo "PASS  $description"; else echo "FAIL  $description"; failures=$((failures + 1)); fi
}

sizes=(16 22 24 32 48 64 128 256)
expected=(bin/animated-texture share/man/man1/animated-texture.1.gz
    share/applications/animated-texture.desktop
    share/doc/animated-texture/copyright share/doc/animated-texture/changelog.Debian.gz)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/animated-texture.png")
done

if [ "$exact" = yes ]; then
    installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
    expect "exactly the expected files" [ "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)" ]
else
    missing=()
    for file in "${expected[@]}"; do
        [ -f "$prefix/$file" ] || missing+=("$prefix/$file")
    done
    expect "every expected file" [ "${#missing[@]}" = 0 ]
    [ "${#missing[@]}" = 0 ] || printf 'missing: %s\n' "${missing[@]}"
fi
expect "the installed executable runs" bash -c '"$1/bin/animated-texture" --version | grep -q "^animated-texture [0-9]"' _ "$prefix"
warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/animated-texture.1.gz" 2>&1 >/dev/null)
expect "the manual page renders without warnings" [ -z "$warnings" ]
[ -z "$warnings" ] || echo "$warnings"
expect "the launcher is valid" desktop-file-validate "$prefix/share/applications/animated-texture.desktop"
expect "the launcher opens a window" grep -qx 'Exec=animated-texture --windowed' \
    "$prefix/share/applications/animated-texture.desktop"
for size in "${sizes[@]}"; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/animated-texture.png"
    expect "icon ${size}x${size}" [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ]
done

echo "installed files: $failures failed"
[ "$failures" -eq 0 ]
