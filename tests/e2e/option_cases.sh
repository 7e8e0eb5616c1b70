#!/usr/bin/env bash
# End-to-end cases of the command-line options, on the real executable and
# one SDL 1.2 build: help and version, refusals, the extra report lines and
# the frame-rate readout, a window of a chosen size, the frame-rate cap, the
# screenshot (saved, refused, taken at a SIGTERM) and a window resized by a
# window manager.
# Usage: option_cases.sh EXECUTABLE classic|compat SDL_VERSION_BUILT_AGAINST
set -u
exe=$1 build=$2 built_against=$3
source "$(dirname "$0")/lib.sh"

# Neither help nor a refusal may start SDL: with no display and no video
# driver, a start would show as "Couldn't init SDL".
no_video=(-u DISPLAY SDL_VIDEODRIVER=no-such-driver)

name="$build: --help"
run_demo "${no_video[@]}" -- --help
if [ "$status" = 0 ] && grep -q '^Usage: animated-texture \[OPTIONS\]' "$work/out" && [ ! -s "$work/err" ]; then
    pass "$name" "usage on standard output, status 0"
else
    fail "$name" "status $status, $(head -c 200 "$work/out" "$work/err")"
fi

name="$build: --version"
run_demo "${no_video[@]}" -- --version
if [ "$status" = 0 ] && grep -Eqx 'animated-texture [0-9]+\.[0-9]+\.[0-9]+' "$work/out"; then
    pass "$name" "$(cat "$work/out"), status 0"
else
    fail "$name" "status $status, $(head -c 200 "$work/out")"
fi

# A refused command line: status 2, nothing on standard output, one line on
# standard error naming the option and pointing to --help.
refusals=(
    "--size 0x480|--size"
    "--size 640|--size"
    "--size 16385x480|--size"
    "--frames 0|--frames"
    "--step-ms -1|--step-ms"
    "--max-fps 0|--max-fps"
    "--seed twelve|--seed"
    "--frames|--frames"
    "--no-such-option|--no-such-option"
)
for refusal in "${refusals[@]}"; do
    args=${refusal%|*} option=${refusal#*|}
    name="$build: refuses $args"
    # shellcheck disable=SC2086  # the arguments are meant to split
    run_demo "${no_video[@]}" -- $args
    lines=$(grep -c '' "$work/err")
    if [ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$lines" = 1 ] &&
        grep -q "^animated-texture: .*$option.*--help" "$work/err"; then
        pass "$name" "status 2: $(cut -c 1-60 "$work/err")"
    else
        fail "$name" "status $status, stdout $(head -c 100 "$work/out"), stderr $(head -c 200 "$work/err")"
    fi
done

start_xvfb || exit 1

name="$build: --frames --info --fps"
run_demo -- --frames 200 --info --fps
mapfile -t line <"$work/out"
running=$([ "$build" = classic ] && echo '1\.2\.15' || echo '1\.2\.[0-9]+')
expected_sdl="SDL: compiled against ${built_against//./\\.}, running $running"
if [ "$status" = 0 ] && [ "${#line[@]}" = 10 ] && [ "${line[5]}" = "$rule" ] &&
    [[ "${line[6]}" == "Renderer: llvmpipe"* ]] && [[ "${line[7]}" == "Version: "*Mesa* ]] &&
    [[ "${line[8]}" =~ ^$expected_sdl$ ]] &&
    [[ "${line[9]}" =~ ^Mode:\ 640x480\ fullscreen,\ colour\ bits\ 8/8/8,\ depth\ bits\ [0-9]+,\ swap\ interval\ [0-9]+$ ]] &&
    grep -Eq '^fps: 200 frames in [0-9.]+ s = [0-9.]+ frames/s mean; frame time median [0-9.]+ ms, 99th percentile [0-9.]+ ms$' "$work/err"; then
    pass "$name" "${line[8]}; $(cut -c 1-40 "$work/err")"
else
    fail "$name" "status $status, lines ${#line[@]}: ${line[6]:-} | ${line[8]:-} | ${line[9]:-} | $(head -c 200 "$work/err")"
fi

name="$build: --windowed --size 320x200"
start_demo -- -w -s 320x200 --max-fps 100 --frames 200 --screenshot "$work/small.png"
info=$(demo_window_info)
wait_exit 20
size=$(png_size "$work/small.png")
if [ "$status" = 0 ] && grep -q "Width: 320" <<<"$info" && grep -q "Height: 200" <<<"$info" && [ "$size" = 320x200 ]; then
    pass "$name" "window 320x200, screenshot $size, status 0"
else
    fail "$name" "status $status, window $(grep -E 'Width|Height' <<<"$info" | tr -s ' \n' ' '), screenshot ${size:-none}"
fi

# The cap holds the rate in the 5-second line; the lower bound only keeps a
# loaded machine from failing the case.
name="$build: --max-fps 100"
run_demo -- --max-fps 100 --frames 560 --fps
rate=$(sed -nE '1s/^fps: [0-9]+ frames in [0-9.]+ s = ([0-9.]+) frames\/s$/\1/p' "$work/err")
if [ "$status" = 0 ] && [ -n "$rate" ] && awk -v r="$rate" 'BEGIN { exit !(r >= 50 && r <= 101) }'; then
    pass "$name" "$(head -n 1 "$work/err")"
else
    fail "$name" "status $status, $(head -c 200 "$work/err")"
fi

# A screenshot that cannot be written fails the run at its end, after all
# its frames, with the file and the reason.
for target in "/no-such-folder/frame.png|No such file or directory" "/dev/full|No space left on device"; do
    file=${target%|*} reason=${target#*|}
    name="$build: screenshot to $file"
    run_demo -- --frames 30 --fps --screenshot "$file"
    if [ "$status" = 1 ] && grep -qx "animated-texture: couldn't write the screenshot $file: $reason" "$work/err" &&
        grep -q '^fps: 30 frames' "$work/err" && [ "$(grep -c '' "$work/out")" = 6 ]; then
        pass "$name" "status 1, \"$reason\", all 30 frames drawn"
    else
        fail "$name" "status $status, $(head -c 300 "$work/err")"
    fi
    [ "$file" = /dev/full ] || [ ! -e "$file" ] || fail "$name" "left $file behind"
done

# Without a frame limit, the frame before a quit is the one saved.
name="$build: screenshot at SIGTERM"
start_demo -- --screenshot "$work/term.png"
wait_lines 6 15
sleep 1
kill -TERM "$pid" 2>/dev/null
wait_exit 5
size=$(png_size "$work/term.png")
mean=$(convert "$work/term.png" -format '%[fx:mean]' info: 2>/dev/null)
if [ "$status" = 0 ] && [ "$size" = 640x480 ] && awk -v m="${mean:-0}" 'BEGIN { exit !(m > 0) }'; then
    pass "$name" "status 0, $size, not black"
else
    fail "$name" "status $status, screenshot ${size:-none}, mean ${mean:-none}"
fi
stop_xvfb

# A window made portrait by a window manager: the frame saved at the end has
# the new size, and the sphere in it is round. The animation is fixed so
# that the last frame has the sphere in front, centred, hiding the cube
# (orbit 180 degrees: 5,000 frames of 0.36 ms at 0.1 degree per ms), its
# speckles spread far enough to show its outline.
name="$build: resized window"
XVFB_SCREEN=1024x768x24 start_xvfb || exit 1
openbox >/dev/null 2>&1 &
for tries in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
start_demo -- -w --step-ms 0.36 --seed 1 --frames 5000 --screenshot "$work/resized.png"
window=$(demo_window_info | sed -nE 's/.*Window id: (0x[0-9a-f]+).*/\1/p')
[ -n "$window" ] && xdotool windowsize "$window" 400 600
wait_exit 120
size=$(png_size "$work/resized.png")
read -r sphere_w sphere_h < <(convert "$work/resized.png" -trim -format '%w %h' info: 2>/dev/null)
if [ "$status" = 0 ] && [ "$size" = 400x600 ] && [ -n "${sphere_w:-}" ] &&
    [ "$sphere_w" -gt 100 ] && [ $((sphere_w - sphere_h)) -le 2 ] && [ $((sphere_h - sphere_w)) -le 2 ]; then
    pass "$name" "screenshot $size, sphere ${sphere_w}x${sphere_h}"
else
    fail "$name" "status $status, screenshot ${size:-none}, sphere ${sphere_w:-?}x${sphere_h:-?}"
fi

finish
