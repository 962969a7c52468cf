# Sourced by the bench scripts: a Wine session of their own, with the prefix
# build/bench-win/wineprefix (or wineprefix-DPIdpi at another display DPI, or
# wineprefix-monitors on several monitors), a private Xvfb screen on BENCH_DISPLAY
# (default :61) and one wineserver kept running, all ended when the script exits or the
# next session starts.
#   startWineSession [DPI [WIDTHxHEIGHT]]      (defaults 96 and 1024x768)
#   startMonitorsSession HEADS                 (at 96 DPI; see tools/wine-monitors.sh)
. tools/wine-monitors.sh

startWineSession() {
    local dpi=${1:-96} size=${2:-1024x768}
    WINEPREFIX=$(tools/wine-prefix "$PWD/build/bench-win/wineprefix" "$dpi")
    startScreen "$size"
}

# On monitors of the stand-in Xinerama, which Wine reads from a screen without RandR
# when its wineserver starts: the one of the last session must be gone.
startMonitorsSession() {
    WINEPREFIX=$(tools/wine-prefix "$PWD/build/bench-win/wineprefix" 96 monitors)
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
    export VARNOK_WINE_MONITORS=$1 LD_LIBRARY_PATH
    LD_LIBRARY_PATH=$(monitors_library "$WINEPREFIX")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    startScreen "$(monitors_screen "$1")" -extension RANDR
}

# startScreen WIDTHxHEIGHT [XVFB_ARGUMENT...]: the screen and the wineserver of the prefix.
startScreen() {
    local size=$1
    shift
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_TW.UTF-8
    export DISPLAY=${BENCH_DISPLAY:-:61} WINEPREFIX
    if xdpyinfo >/dev/null 2>&1; then
        echo "$0: display $DISPLAY is taken; choose another with BENCH_DISPLAY" >&2
        exit 1
    fi
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
    benchXvfb=$!
    trap endWineSession EXIT
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # A running server makes every start pay the same: the program's own cost, not Wine's.
    wineserver -p || true
}

endWineSession() {
    wineserver -k 2>/dev/null || true
    kill "$benchXvfb" 2>/dev/null || true
    wait "$benchXvfb" 2>/dev/null || true
}
