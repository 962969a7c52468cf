# shellcheck shell=bash
# Shell functions (sourced) that start a private 24-bit Xvfb screen and end it by its
# own process id, so that several runs side by side never share or kill a screen.

# start_xvfb [FIRST_NUMBER [WIDTHxHEIGHT [XVFB_ARGUMENT...]]]: takes the first free display
# number from FIRST_NUMBER (default 90) up for a screen of that size (default 1024x768),
# exports DISPLAY and sets XVFB_PID.
start_xvfb() {
    local number=${1:-90} size=${2:-1024x768} tries
    shift $(($# > 2 ? 2 : $#))
    for ((tries = 0; tries < 40; tries++, number++)); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
        XVFB_PID=$!
        local waited
        for ((waited = 0; waited < 100; waited++)); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number"
                return 0
            fi
            sleep 0.05
        done
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    done
    echo "xvfb: no display could be started" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
}
