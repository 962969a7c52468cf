# Sourced by the bench scripts: a Wine session of their own, with the prefix
# build/bench-win/wineprefix, a private Xvfb screen on BENCH_DISPLAY (default :61) and
# one wineserver kept running, all ended when the script exits.
startWineSession() {
    export WINEPREFIX=$PWD/build/bench-win/wineprefix WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_TW.UTF-8 DISPLAY=${BENCH_DISPLAY:-:61}
    tools/prepare-wine-prefix.sh "$WINEPREFIX"
    if xdpyinfo >/dev/null 2>&1; then
        echo "$0: display $DISPLAY is taken; choose another with BENCH_DISPLAY" >&2
        exit 1
    fi
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    benchXvfb=$!
    trap endWineSession EXIT
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # A running server makes every start pay the same: the program's own cost, not Wine's.
    wineserver -p || true
}

endWineSession() {
    wineserver -k 2>/dev/null || true
    kill "$benchXvfb" 2>/dev/null || true
}
