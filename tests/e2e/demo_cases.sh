#!/usr/bin/env bash
# End-to-end cases of the real executable on a virtual X server, on one of
# the two SDL 1.2 builds: "classic" (the SDL 1.2.15 the program links) or
# "compat" (sdl12-compat over SDL2, chosen at run time with LD_LIBRARY_PATH).
# Usage: demo_cases.sh EXECUTABLE CLOSE_WINDOW_TOOL classic|compat
set -u
exe=$1 close_window=$2 build=$3
source "$(dirname "$0")/lib.sh"

# Checks the report, the caption and the size, and that the wanted SDL build
# is the one loaded; prints nothing and returns 0 when all hold.
check_running_demo() {
    wait_lines 6 15 || { echo "no report: $(head -c 300 "$work/out")"; return 1; }
    local line
    mapfile -t line <"$work/out"
    [ "${line[0]}" = "SDL Video Driver-name: x11" ] || { echo "line 1: ${line[0]}"; return 1; }
    [ "${line[1]}" = "OpenGL Infos" ] || { echo "line 2: ${line[1]}"; return 1; }
    [ "${line[2]}" = "$rule" ] || { echo "line 3: ${line[2]}"; return 1; }
    [[ "${line[3]}" == " Vendor: Mesa"* ]] || { echo "line 4: ${line[3]}"; return 1; }
    [[ "${line[4]}" =~ ^\ Extensions:\ GL_[A-Za-z0-9_]+(\ GL_[A-Za-z0-9_]+)*\ ?$ ]] ||
        { echo "line 5: ${line[4]:0:80}"; return 1; }
    [ "${line[5]}" = "$rule" ] || { echo "line 6: ${line[5]}"; return 1; }
    [ "${#line[@]}" -eq 6 ] || { echo "extra output: ${line[6]}"; return 1; }

    local info
    info=$(demo_window_info) || { echo "no window captioned \"$caption\""; return 1; }
    grep -q "Width: 640" <<<"$info" && grep -q "Height: 480" <<<"$info" ||
        { echo "window size: $(grep -E 'Width|Height' <<<"$info" | tr -s ' \n' ' ')"; return 1; }

    local compat_loaded=no
    grep -q sdl12-compat "/proc/$pid/maps" && compat_loaded=yes
    [ "$compat_loaded" = "$([ "$build" = compat ] && echo yes || echo no)" ] ||
        { echo "sdl12-compat loaded: $compat_loaded"; return 1; }
}

# The ways a running demo is asked to stop; each must end it with status 0
# within two seconds.
quit_escape() { xdotool key Escape; }
quit_close() { "$close_window" "$caption"; }
quit_sigterm() { kill -TERM "$pid"; }

start_xvfb || exit 1
for way in escape close sigterm; do
    name="$build: quit by $way"
    start_demo
    if problem=$(check_running_demo); then
        "quit_$way"
        wait_exit 2
        if [ "$status" = 0 ]; then pass "$name" "report, caption, 640x480, status 0"
        else fail "$name" "status $status"; fi
    else
        fail "$name" "$problem"
        kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    fi
done

name="$build: SDL cannot start"
start_demo SDL_VIDEODRIVER=no-such-driver
wait_exit 5
if [ "$status" = 255 ] && [ "$(cat "$work/out")" = "Couldn't init SDL" ]; then
    pass "$name" "one line, status 255"
else
    fail "$name" "status $status, output: $(head -c 200 "$work/out")"
fi
stop_xvfb

name="$build: display without GLX"
start_xvfb -extension GLX || exit 1
start_demo
if wait_lines 8 15; then
    mapfile -t line <"$work/out"
    expected=("SDL Video Driver-name: x11" "OpenGL Infos" "$rule" " Vendor: " " Extensions: " "$rule" "Couldn't go fullscreen")
    mismatch=
    for i in "${!expected[@]}"; do
        [ "${line[$i]}" = "${expected[$i]}" ] || mismatch="line $((i + 1)): ${line[$i]}"
    done
    [ -n "${line[7]}" ] || mismatch="no SDL error line"
    sleep 1
    kill -0 "$pid" 2>/dev/null || mismatch="${mismatch:-stopped by itself}"
    kill -TERM "$pid" 2>/dev/null
    wait_exit 2
    if [ -z "$mismatch" ] && [ "$status" = 0 ]; then
        pass "$name" "report, \"${line[6]}\", \"${line[7]}\", ran on, status 0"
    else
        fail "$name" "${mismatch:-status $status}"
    fi
else
    fail "$name" "output: $(head -c 300 "$work/out")"
    kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
fi
stop_xvfb

# Whatever SDL falls back to without a display (a text-mode or an offscreen
# driver), the demo must not crash and must stop cleanly when asked.
name="$build: no display at all"
start_demo -u DISPLAY
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    wait_exit 2
    driver=$(grep -a -o 'SDL Video Driver-name: [a-z0-9]*' "$work/out" | head -n 1)
    if [ "$status" = 0 ] && [ -n "$driver" ]; then pass "$name" "${driver#SDL Video }, status 0"
    else fail "$name" "status $status, ${driver:-no report}"; fi
else
    wait_exit 0
    fail "$name" "stopped by itself with status $status"
fi

finish
