#!/bin/bash
# Runs the end-to-end tests: the real varnok.exe under Wine on a private Xvfb screen,
# driven with xdotool as a user would. Prints a PASS or FAIL line per case and ends
# with "e2e: N passed, N failed".
# Usage: tests/e2e/run.sh [VARNOK.EXE [CASE...]]   (WINEPREFIX: the prefix to use;
# E2E_KEEP=1 keeps every case's folder, log and screenshots)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

export WINEPREFIX=${WINEPREFIX:-$repo/build/e2e-prefix} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_TW.UTF-8

if [ "${1:-}" = --case ]; then
    # One case, in a process of its own so that a hung case can be ended alone.
    # shellcheck source=tests/e2e/lib.sh
    source "$here/lib.sh"
    # shellcheck source=tests/e2e/cases.sh
    source "$here/cases.sh"
    STAND_IN_PIDS=()
    trap 'stop_rabbit; stop_tray; stop_windows' EXIT
    trap 'exit 1' TERM
    "$2"
    exit
fi

VARNOK_EXE=$(realpath "${1:-$repo/build/windows/varnok.exe}")
shift $(($# > 0 ? 1 : 0))
if [ ! -f "$VARNOK_EXE" ]; then
    echo "FAIL e2e: $VARNOK_EXE does not exist"
    echo "e2e: 0 passed, 1 failed"
    exit 1
fi
cases=("$@")
[ ${#cases[@]} -gt 0 ] || mapfile -t cases < <(sed -n 's/^\(test_[a-z0-9_]*\)() {$/\1/p' "$here/cases.sh")

E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/varnok-e2e.XXXXXX")
XSHAPE=$E2E_WORK/xshape
export VARNOK_EXE E2E_WORK XSHAPE
gcc -std=c99 -O -Wall -Wextra -o "$XSHAPE" "$here/xshape.c" -lXext -lX11 || exit 1
BELOW_EXE=$E2E_WORK/below.exe
export BELOW_EXE
x86_64-w64-mingw32-gcc -std=c99 -O -Wall -Wextra -o "$BELOW_EXE" "$here/below.c" || exit 1
STAND_IN_EXE=$E2E_WORK/window_stand_in.exe
export STAND_IN_EXE
x86_64-w64-mingw32-g++ -std=c++17 -O -Wall -Wextra -municode -static -o "$STAND_IN_EXE" \
    "$repo/tests/windows/window_stand_in/window_stand_in.cpp" || exit 1
# shellcheck source=tools/xvfb.sh
source "$repo/tools/xvfb.sh"
# shellcheck source=tools/wine-monitors.sh
source "$repo/tools/wine-monitors.sh"

passed=0 failed=0
# run_cases PREFIX CASE...: runs each case in a process of its own on the current screen.
run_cases() {
    local prefix=$1 name started
    shift
    for name; do
        started=$(date +%s)
        if WINEPREFIX=$prefix timeout -k 5 120 "$0" --case "$name" >"$E2E_WORK/$name.log" 2>&1; then
            passed=$((passed + 1))
            echo "PASS $name ($(($(date +%s) - started)) s)"
        else
            failed=$((failed + 1))
            echo "FAIL $name ($(($(date +%s) - started)) s)"
            sed 's/^/    /' "$E2E_WORK/$name.log"
        fi
    done
}

# session DPI SCREEN CASE...: runs the cases on a screen of that size, in a prefix that
# hands out that DPI (96: the usual prefix).
session() {
    local dpi=$1 size=$2 prefix
    shift 2
    [ $# -gt 0 ] || return 0
    prefix=$("$repo/tools/wine-prefix" "$WINEPREFIX" "$dpi") || return 1
    start_xvfb "${E2E_FIRST_DISPLAY:-70}" "$size" || return 1
    run_cases "$prefix" "$@"
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    stop_xvfb
}

# monitors_session HEADS CASE...: runs the cases on those monitors ("WxH+X+Y,...", see
# tools/wine-monitors.sh), in the prefix for monitors with a wineserver of their own.
monitors_session() {
    local heads=$1 prefix
    shift
    [ $# -gt 0 ] || return 0
    prefix=$("$repo/tools/wine-prefix" "$WINEPREFIX" 96 monitors) || return 1
    start_monitors_session "${E2E_FIRST_DISPLAY:-70}" "$heads" "$prefix" || return 1
    run_cases "$prefix" "$@"
    stop_monitors_session
}

# The cases named test_at_192dpi_... see a 200 % display, on a screen twice the size;
# those named test_on_two_monitors_... a main 1280 x 1024 monitor with a 1024 x 768 one
# on its left, which Windows puts at (-1024, 0): X root = Windows screen + (1024, 0);
# those named test_on_stacked_monitors_... the same two with the 1024 x 768 one directly
# below the main one, at (0, 1024): X root = Windows screen; those named
# test_on_a_large_screen_... a 1920 x 1080 one, which offers the rabbit twice its size.
usual=() scaled=() twoMonitors=() stackedMonitors=() large=()
for name in "${cases[@]}"; do
    case $name in
    test_at_192dpi_*) scaled+=("$name") ;;
    test_on_two_monitors_*) twoMonitors+=("$name") ;;
    test_on_stacked_monitors_*) stackedMonitors+=("$name") ;;
    test_on_a_large_screen_*) large+=("$name") ;;
    *) usual+=("$name") ;;
    esac
done
session 96 1024x768 "${usual[@]}" || failed=$((failed + 1))
session 192 2048x1536 "${scaled[@]}" || failed=$((failed + 1))
session 96 1920x1080 "${large[@]}" || failed=$((failed + 1))
monitors_session 1280x1024+1024+0,1024x768+0+0 "${twoMonitors[@]}" || failed=$((failed + 1))
monitors_session 1280x1024+0+0,1024x768+0+1024 "${stackedMonitors[@]}" || failed=$((failed + 1))

if [ "$failed" -eq 0 ] && [ -z "${E2E_KEEP:-}" ]; then
    rm -rf "$E2E_WORK"
else
    echo "e2e: the cases' folders, logs and screenshots are in $E2E_WORK"
fi
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
