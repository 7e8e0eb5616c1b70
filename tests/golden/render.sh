# Renders golden cases with the real executable. Source this file; it needs
# scripts/real-stack.sh sourced first.
#
# golden_cases: prints the cases, "NAME|SCREEN|ARGUMENTS", one a line.
# render_case EXECUTABLE SCREEN ARGUMENTS OUTPUT [LD_LIBRARY_PATH]: renders
# one case on a virtual display of its own and saves its last frame to
# OUTPUT.
golden_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

golden_cases() {
    grep -v '^#' "$golden_dir/cases"
}

render_case() {
    local exe=$1 screen=$2 args=$3 output=$4 library=${5:-} status=0
    XVFB_SCREEN=$screen start_xvfb || return 1
    # shellcheck disable=SC2086  # the arguments are meant to split
    env ${library:+LD_LIBRARY_PATH=$library} timeout 300 "$exe" $args --screenshot "$output" \
        >/dev/null 2>&1 </dev/null || status=$?
    stop_xvfb
    return "$status"
}
