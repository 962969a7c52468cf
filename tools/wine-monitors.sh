# shellcheck shell=bash
# Shell functions (sourced, after tools/xvfb.sh) for a Wine session on several monitors.
# Wine 8 takes the monitors from Xinerama when the X server has no RandR: the session
# runs on a screen without RandR that holds every head, and Wine's processes load the
# stand-in libXinerama.so.1 built from tests/support/xinerama_heads.c, which reports the
# heads of VARNOK_WINE_MONITORS, "WxH+X+Y,..." in X root coordinates, the main one first.
# Wine reads the monitors once, when its wineserver starts, so a session runs in a prefix
# of its own (tools/wine-prefix BASE DPI monitors) with a wineserver of its own.

# monitors_screen HEADS: the size of the screen that holds every head, "WxH".
monitors_screen() {
    tr ',' '\n' <<<"$1" | awk -F'[x+]' '
        { if ($1 + $3 > w) w = $1 + $3; if ($2 + $4 > h) h = $2 + $4 } END { print w "x" h }'
}

# monitors_library PREFIX: builds the stand-in into PREFIX/xinerama unless it is newer
# than its source, and prints that folder. Runs side by side each build to a name of
# their own and rename.
monitors_library() {
    local source folder=$1/xinerama
    source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/support/xinerama_heads.c
    if [ ! "$folder/libXinerama.so.1" -nt "$source" ]; then
        mkdir -p "$folder" &&
            gcc -std=c99 -O -Wall -Wextra -shared -fPIC -o "$folder/build-$$.so" "$source" &&
            mv -f "$folder/build-$$.so" "$folder/libXinerama.so.1" || return
    fi
    echo "$folder"
}

# start_monitors_session FIRST_NUMBER HEADS PREFIX: a private screen for the heads from
# display FIRST_NUMBER up (start_xvfb), the environment that shows them to Wine's
# processes (VARNOK_WINE_MONITORS, LD_LIBRARY_PATH) and a fresh wineserver in PREFIX
# that lasts until stop_monitors_session.
start_monitors_session() {
    local library
    library=$(monitors_library "$3") || return
    start_xvfb "$1" "$(monitors_screen "$2")" -extension RANDR || return
    monitorsPrefix=$3 monitorsOuterLibraryPath=${LD_LIBRARY_PATH-}
    export VARNOK_WINE_MONITORS=$2
    export LD_LIBRARY_PATH=$library${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    WINEPREFIX=$3 wineserver -k 2>/dev/null || true
    # Wine's services start now, away from the caller's output: started by a program
    # they would inherit its pipe and keep a reader such as ctest waiting.
    WINEPREFIX=$3 wineserver -p </dev/null >/dev/null 2>&1
    WINEPREFIX=$3 wine reg query 'HKCU\Software\Wine' </dev/null >/dev/null 2>&1 || true
}

# stop_monitors_session: ends the session's Wine processes and screen, and gives back
# the caller's library path.
stop_monitors_session() {
    if [ -n "${monitorsPrefix:-}" ]; then
        WINEPREFIX=$monitorsPrefix wineserver -k 2>/dev/null || true
        WINEPREFIX=$monitorsPrefix wineserver -w 2>/dev/null || true
    fi
    stop_xvfb
    unset VARNOK_WINE_MONITORS monitorsPrefix
    if [ -n "${monitorsOuterLibraryPath:-}" ]; then
        export LD_LIBRARY_PATH=$monitorsOuterLibraryPath
    else
        unset LD_LIBRARY_PATH
    fi
}
