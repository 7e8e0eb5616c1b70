# Helpers of the end-to-end cases, which run the real executable on one of
# the two SDL 1.2 builds. Source this file after setting exe and build
# ("classic", the SDL 1.2.15 the program links, or "compat", sdl12-compat
# over SDL2, chosen at run time with LD_LIBRARY_PATH). It provides a work
# folder ($work), PASS and FAIL lines with a count of failures, and ways to
# start a demo in the background and wait for it.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/real-stack.sh"

caption="Quillmarsh - openGL animated texture"
rule="-------------------------------"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT

case "$build" in
    classic) sdl_path= ;;
    compat) sdl_path=$(sdl12_compat_dir) ;;
    *) echo "unknown SDL build: $build" >&2; exit 2 ;;
esac

failures=0
pass() { printf 'PASS  %-34s %s\n' "$1" "$2"; }
fail() { printf 'FAIL  %-34s %s\n' "$1" "$2"; failures=$((failures + 1)); }

# run_demo [-u VAR] [VAR=value ...] -- [ARGUMENTS]: runs the demo to its end
# on this build, with standard output in $work/out and standard error in
# $work/err; sets status.
run_demo() {
    local envs=()
    while [ "$1" != -- ]; do envs+=("$1"); shift; done
    shift
    status=0
    env "${envs[@]}" ${sdl_path:+LD_LIBRARY_PATH=$sdl_path} timeout 120 "$exe" "$@" \
        >"$work/out" 2>"$work/err" </dev/null || status=$?
}

# start_demo [-u VAR] [VAR=value ...] [-- ARGUMENTS]: the same in the
# background; sets pid.
start_demo() {
    local envs=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do envs+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    : >"$work/out"
    env "${envs[@]}" ${sdl_path:+LD_LIBRARY_PATH=$sdl_path} "$exe" "$@" >"$work/out" 2>"$work/err" </dev/null &
    pid=$!
}

# wait_lines N SECONDS: until standard output has N lines.
wait_lines() {
    local deadline=$((SECONDS + $2))
    while [ "$(grep -c '' "$work/out")" -lt "$1" ] && [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    [ "$(grep -c '' "$work/out")" -ge "$1" ]
}

# wait_exit SECONDS: sets status to the exit status, or "running".
wait_exit() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    while kill -0 "$pid" 2>/dev/null && [ "$(date +%s%N)" -lt "$deadline" ]; do
        sleep 0.02
    done
    if kill -0 "$pid" 2>/dev/null; then
        status=running
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        status=$?
    fi
}

# demo_window_info: what xwininfo says of the demo's window, once it has
# one (within 5 seconds); nothing and status 1 if it never does.
demo_window_info() {
    local tries
    for tries in $(seq 100); do
        xwininfo -name "$caption" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

# png_size FILE: "WxH" of a PNG file, or nothing.
png_size() {
    identify -format '%wx%h' "$1" 2>/dev/null
}

finish() {
    echo "$build: $failures failed"
    [ "$failures" -eq 0 ]
}
