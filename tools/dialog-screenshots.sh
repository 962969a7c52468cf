#!/bin/bash
# Takes a picture of each of the five dialogs and of a message box as a user sees them:
# the real varnok.exe under Wine on a private Xvfb screen with Wine's light visual style,
# a prepared rabbit, each dialog opened from the popup menu (the bonus dialog from the
# about box's icon) and cropped from the screen; and the rabbit beside its status dialog.
# Usage: tools/dialog-screenshots.sh [VARNOK.EXE [OUTPUT-FOLDER [DPI [LANGUAGE]]]]
#   (defaults: build/windows/varnok.exe, docs/, 96, zh-Hant; WINEPREFIX: the prefix to
#   use at 96 DPI, named as tools/wine-prefix names it at another)
# At another DPI (144 for 150 %, 192 for 200 %) the screen is as many times larger and
# the files are named NAME-DPIdpi.png; in another language (zh-Hans, en, chosen in the
# rabbit's varnok.ini) they are named NAME-LANGUAGE.png.
# Wine draws the caption's close box with its Marlett font (Debian's fonts-wine); without
# that font the box shows a letter instead.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
exe=$(realpath "${1:-$repo/build/windows/varnok.exe}")
out=$(mkdir -p "${2:-$repo/docs}" && realpath "${2:-$repo/docs}")
dpi=${3:-96}
language=${4:-zh-Hant}
# The dialogs' and the adoption question's captions in the language.
case $language in
zh-Hans) captions=(关于 恭喜 状态 物品 设置 领养新兔子) ;;
en) captions=(About Congratulations Status Items Settings 'Adopt a Rabbit') ;;
*) captions=(關於 恭喜 狀態 物品 設定 領養新兔子) ;;
esac
# px N: N pixels at 96 DPI on this screen; the rabbit itself grows by the nearest whole
# factor, halves up.
px() { echo $(($1 * dpi / 96)); }
rabbitScale=$(((dpi + 48) / 96)) suffix=''
[ "$language" = zh-Hant ] || suffix=-$language
[ "$dpi" -eq 96 ] || suffix=$suffix-${dpi}dpi

# shellcheck source=tools/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tools/screenshot-session.sh
source "$here/screenshot-session.sh"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_TW.UTF-8
export WINEPREFIX
WINEPREFIX=$("$here/wine-prefix" "${WINEPREFIX:-$repo/build/screenshots-prefix}" "$dpi")
light_theme

work=$(mktemp -d "${TMPDIR:-/tmp}/varnok-shots.XXXXXX")
start_xvfb "${SHOTS_FIRST_DISPLAY:-58}" "$(px 1024)x$(px 768)"
rabbit=
finish() {
    [ -z "$rabbit" ] || kill "$rabbit" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap finish EXIT
convert -size 8x8 xc:"#6a8caf" "$work/desktop.png"

# The grown rabbit left of where the dialogs open.
grown_rabbit "$work/rabbit.dat" 100 450
cp "$exe" "$work/varnok.exe"
[ "$language" = zh-Hant ] || printf '[varnok]\r\nlanguage=%s\r\n' "$language" >"$work/varnok.ini"

# click X Y: a left click that lets the program see the mouse arrive first.
click() {
    xdotool mousemove --sync "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
}
# shot ID NAME: the window's own rectangle of the whole screen, once it has settled.
shot() {
    sleep 1
    import -window root -crop "$(geometry "$1")" +repage "$out/$2$suffix.png"
    echo "$out/$2$suffix.png"
}
# menu KEYS...: opens the rabbit's popup menu (the rabbit stands at 100, 450 in its own
# pixels) and walks it.
menu() {
    xdotool mousemove --sync $((125 * rabbitScale)) $((500 * rabbitScale)) click 3
    sleep 0.5
    xdotool key "$@"
}
# close NAME-REGEX: Esc to the dialog in front, then waits until it is gone.
close() {
    xdotool key Escape
    while [ -n "$(window "$1")" ]; do sleep 0.05; done
}

(cd "$work" && exec wine varnok.exe) >"$work/wine.log" 2>&1 &
rabbit=$!
wait_window '^varnok$' >/dev/null
# A desktop colour behind the windows; Wine clears the screen when it starts.
display -window root "$work/desktop.png" 2>/dev/null || true
sleep 1
import -window root -crop "$(geometry "$(window '^varnok$')")" +repage "$work/rabbit.png"

menu Down Return
id=$(wait_window "^${captions[0]}\$")
shot "$id" dialog-about
# A click on the program icon (its middle near 67, 33 dialog units, below a caption of
# about 20 pixels at 96 DPI) opens the bonus dialog.
read -r w h x y < <(geometry "$id" | tr "x+" "  ")
caption=$(px 20)
click $((x + w * 67 / 134)) $((y + (h - caption) * 33 / 118 + caption))
shot "$(wait_window "^${captions[1]}\$")" dialog-bonus
close "^${captions[1]}\$"
close "^${captions[0]}\$"

menu Down Down Down Return
id=$(wait_window "^${captions[2]}\$")
# Tab from the default button over the name field to the grade button.
xdotool key Tab Tab space
shot "$id" dialog-status
# The rabbit beside its status dialog (which opens over it), on the desktop's colour.
convert "$work/rabbit.png" -background "#6a8caf" -gravity east -splice "$(px 20)x0" \
    "$out/dialog-status$suffix.png" -gravity center +append -bordercolor "#6a8caf" \
    -border "$(px 10)" "$out/rabbit-and-status$suffix.png"
echo "$out/rabbit-and-status$suffix.png"
close "^${captions[2]}\$"

menu Down Down Down Down Down Down Down Down Return
shot "$(wait_window "^${captions[3]}\$")" dialog-items
close "^${captions[3]}\$"

menu Up Up Return
shot "$(wait_window "^${captions[4]}\$")" dialog-settings
close "^${captions[4]}\$"

# The question before a new adoption, answered No.
menu Down Down Return
shot "$(wait_window "^${captions[5]}\$")" messagebox-adopt
xdotool key n
while [ -n "$(window "^${captions[5]}\$")" ]; do sleep 0.05; done
