# Helpers for running the demo on the real stack. Source this file.
#
# start_xvfb [extra Xvfb arguments]; ...; stop_xvfb: a private virtual X
# server (Xvfb) of 640 x 480 x 24. start_xvfb exports DISPLAY and sets
# XVFB_PID. -noreset keeps the server up when its last client leaves;
# otherwise the reset races the next client, and classic SDL fails at random
# with "Couldn't open X11 display".
#
# sdl12_compat_dir: the folder of the libsdl1.2-compat package's libSDL, to
# put in LD_LIBRARY_PATH so that the demo runs on sdl12-compat.

start_xvfb() {
    local number tries
    for number in $(seq 91 190); do
        [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        Xvfb ":${number}" -screen 0 640x480x24 -nolisten tcp -noreset "$@" >/dev/null 2>&1 &
        XVFB_PID=$!
        for tries in $(seq 100); do
            if xdpyinfo -display ":${number}" >/dev/null 2>&1; then
                export DISPLAY=":${number}"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break  # lost the race for this number
            sleep 0.05
        done
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}

# Runs one command on a private virtual display and passes its status on.
with_xvfb() {
    start_xvfb || return 1
    local status=0
    "$@" || status=$?
    stop_xvfb
    return "$status"
}

sdl12_compat_dir() {
    dirname "$(dpkg -L libsdl1.2-compat | grep 'libSDL-1.2.so.0$' | head -n 1)"
}
