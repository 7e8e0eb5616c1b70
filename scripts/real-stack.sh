# Helpers for running the demo on the real stack. Source this file.
#
# start_xvfb [extra Xvfb arguments]; ...; stop_xvfb: a private virtual X
# server (Xvfb) of 640 x 480 x 24, or of XVFB_SCREEN (WxHxD) when that is
# set, for windows larger than the demo's mode. start_xvfb exports DISPLAY
# and sets XVFB_PID. -noreset keeps the server up when its last client
# leaves; otherwise the reset races the next client, and classic SDL fails
# at random with "Couldn't open X11 display".
#
# sdl12_compat_dir: the folder of the libsdl1.2-compat package's libSDL, to
# put in LD_LIBRARY_PATH so that the demo runs on sdl12-compat.

start_xvfb() {
    # Xvfb picks a free display number itself and writes it to the pipe once
    # it accepts clients, so servers started side by side never race for one.
    local pipe number=
    pipe=$(mktemp -u) && mkfifo "$pipe" || return 1
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-640x480x24}" -nolisten tcp -noreset "$@" \
        3>"$pipe" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 20 number <"$pipe"
    rm -f "$pipe"
    if [ -z "$number" ]; then
        echo "could not start Xvfb" >&2
        stop_xvfb
        return 1
    fi
    export DISPLAY=":${number}"
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
