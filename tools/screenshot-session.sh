# shellcheck shell=bash
# Shell functions (sourced) shared by the scripts that take the README's pictures: Wine's
# light visual style in the prefix, the program's windows found by their titles, and the
# save file of a grown rabbit that the pictures show.

# light_theme: gives $WINEPREFIX Wine's light theme, which a fresh prefix already has: the
# program's manifest asks for the visual style, so buttons, check boxes, group boxes, the
# name field and the menus' highlight show it.
light_theme() {
    local theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    wine reg add "$theme" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
    wine reg add "$theme" /v DllName /t REG_SZ \
        /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
    wine reg add "$theme" /v ColorName /t REG_SZ /d Blue /f >/dev/null 2>&1
    wineserver -w
}

# window NAME-REGEX: the id of the first visible X window whose title matches, if any.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# wait_window NAME-REGEX: waits up to 10 s for that window and prints its id.
wait_window() {
    local id tries
    for ((tries = 0; tries < 200; tries++)); do
        id=$(window "$1") && [ -n "$id" ] && echo "$id" && return 0
        sleep 0.05
    done
    echo "no window named $1 appeared" >&2
    return 1
}

# geometry ID: the window's place on the screen as ImageMagick's -crop takes it, WxH+X+Y.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }'
}

# grown_rabbit FILE X Y: the save file of a grown rabbit named 小白 standing at (X, Y), with
# some stock and enough angel points to feed itself.
grown_rabbit() {
    python3 - "$@" <<'PY'
import struct, sys
path, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
name = "小白".encode("big5").ljust(20, b"\0")
record = struct.pack("<10i", 15, 100, 80, 100, 75, 100, 90, 100, 95, 10)
data = (struct.pack("<3i2ii", 0, 1, 0, x, y, 1) + name + record +
        struct.pack("<4i", 0, 12, 0, 8) + struct.pack("<2i", 300, 900))
open(path, "wb").write(data)
PY
}
