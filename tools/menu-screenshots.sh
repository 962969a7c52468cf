#!/bin/bash
# Takes the pictures of the menus as a user sees them, in every language the rabbit speaks:
# the real varnok.exe under Wine on a private Xvfb screen with Wine's light visual style and
# Debian's trayer as the notification area, each language in a prefix made under its own
# locale, so that Windows' display language chooses it as it would for its user. Per
# language, named NAME.png in Traditional Chinese and NAME-LANGUAGE.png in the others:
#   rabbit              the rabbit and its right-click menu, every pixel doubled
#   menus               the rabbit's menu beside the icon's menu with its languages open
#   tray-menu           the icon's menu with its sizes open, the rabbit twice as big
#   tray-main-menu      the icon's menu reaching the rabbit's own menu
#   rabbit-picture-set  a picture set with blue fur, chosen under the icon's Appearance
# Usage: tools/menu-screenshots.sh [VARNOK.EXE [OUTPUT-FOLDER [LANGUAGE...]]]
#   (defaults: build/windows/varnok.exe, docs/, zh-Hant zh-Hans en; the prefixes are
#   build/menu-shots-LANGUAGE)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
exe=$(realpath "${1:-$repo/build/windows/varnok.exe}")
out=$(mkdir -p "${2:-$repo/docs}" && realpath "${2:-$repo/docs}")
shift $(($# > 2 ? 2 : $#))
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(zh-Hant zh-Hans en)

# shellcheck source=tools/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tools/screenshot-session.sh
source "$here/screenshot-session.sh"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The smallest screen that offers the rabbit twice as big, of which each picture shows the
# top right corner, the notification area's.
screen=1120x776 left=520 view=600x360+520+0
work=$(mktemp -d "${TMPDIR:-/tmp}/varnok-menus.XXXXXX")
rabbit='' tray=''
stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
finish() {
    stop "$rabbit"
    stop "$tray"
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap finish EXIT
start_xvfb "${SHOTS_FIRST_DISPLAY:-64}" "$screen"
convert -size "$screen" gradient:'#4f7fb8'-'#a7c8ea' "$work/desktop.png"
trayer --edge top --align right --widthtype request --height 24 --transparent false \
    >/dev/null 2>&1 &
tray=$!
panel=$(wait_window '^panel$')

# The set: every built-in picture with its colours turned round to blue; the background
# stays one colour, so the top-left pixel still names it.
mkdir -p "$work/winter"
for picture in "$repo"/res/sprites/*.bmp; do
    convert "$picture" -modulate 100,100,10 "$work/winter/$(basename "$picture" .bmp).png"
done

# start_rabbit X Y [SETTINGS-LINE...]: the grown rabbit at (X, Y) in a fresh folder with
# these lines in varnok.ini (and the blue set in skins\), once its icon is in the panel.
start_rabbit() {
    local folder
    folder=$(mktemp -d "$work/rabbit.XXXXXX")
    cp "$exe" "$folder/varnok.exe"
    grown_rabbit "$folder/rabbit.dat" "$1" "$2"
    shift 2
    printf '[varnok]\r\n' >"$folder/varnok.ini"
    [ $# -eq 0 ] || printf '%s\r\n' "$@" >>"$folder/varnok.ini"
    mkdir "$folder/skins"
    cp -r "$work/winter" "$folder/skins/"
    (cd "$folder" && exec wine varnok.exe) >>"$work/wine.log" 2>&1 &
    rabbit=$!
    wait_window '^varnok$' >/dev/null
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        icon=$(xwininfo -tree -id "$panel" | awk '/"explorer.exe"/ { print $1 }' | head -n 1)
        [ -z "$icon" ] || break
        sleep 0.05
    done
    [ -n "$icon" ] || { echo "no icon in the notification area" >&2; return 1; }
    # A desktop colour behind the windows; Wine clears the screen when it starts.
    display -window root "$work/desktop.png" 2>/dev/null || true
    sleep 1
}

end_rabbit() {
    xdotool key Escape Escape Escape
    stop "$rabbit"
    rabbit=''
    wineserver -w
}

# tray_menu KEYS...: right-clicks the icon and walks its menu; the keys open a submenu.
tray_menu() {
    xdotool mousemove --window "$icon" 8 8 click 3
    sleep 0.5
    xdotool key --delay 100 "$@"
    sleep 1
}

# rabbit_menu X Y: right-clicks the screen point on the rabbit and selects Food & Drink,
# the fourth item.
rabbit_menu() {
    xdotool mousemove --sync "$1" "$2" click 3
    sleep 0.5
    xdotool key --delay 100 Down Down Down Down
    sleep 1
}

# menu_rectangle: WxH+X+Y of the open popup menus, the rabbit's window left out.
menu_rectangle() {
    local id rabbitWindow
    rabbitWindow=$(window '^varnok$')
    for id in $(xdotool search --onlyvisible --classname varnok.exe); do
        [ "$id" = "$rabbitWindow" ] || geometry "$id"
    done | awk -F '[x+]' '{ if (!n++ || $3 < x0) x0 = $3; if ($4 < y0 || n == 1) y0 = $4
        if ($3 + $1 > x1) x1 = $3 + $1; if ($4 + $2 > y1) y1 = $4 + $2 }
        END { print x1 - x0 "x" y1 - y0 "+" x0 "+" y0 }'
}

for language in "${languages[@]}"; do
    case $language in
    zh-Hans) locale=zh_CN.UTF-8 suffix=-zh-Hans ;;
    en) locale=en_US.UTF-8 suffix=-en ;;
    *) locale=zh_TW.UTF-8 suffix='' ;;
    esac
    export LC_ALL=$locale WINEPREFIX
    WINEPREFIX=$("$here/wine-prefix" "$repo/build/menu-shots-$language")
    light_theme

    # The rabbit's menu, then the icon's languages with that menu laid over them.
    start_rabbit $((left + 30)) 40
    rabbit_menu $((left + 55)) 90
    import -window root "$work/rabbit-menu.png"
    menu=$(menu_rectangle)
    xdotool key Escape Escape
    convert "$work/rabbit-menu.png" -crop 210x260+$((left + 10))+30 +repage -scale 200% \
        "$out/rabbit$suffix.png"
    tray_menu Up Up Up Up Right
    import -window root "$work/languages.png"
    convert "$work/languages.png" \( "$work/rabbit-menu.png" -crop "$menu" \) \
        -geometry "+${menu#*+}" -composite -crop "$view" +repage "$out/menus$suffix.png"
    xdotool key Escape Escape
    tray_menu Up Up Right
    import -window root -crop "$view" +repage "$out/tray-main-menu$suffix.png"
    end_rabbit

    # Placed in the rabbit pixels of its size: twice as big, on the screen at (left + 40, 100).
    start_rabbit $(((left + 40) / 2)) 50 size=2
    tray_menu Down Down Down Down Right
    import -window root -crop "$view" +repage "$out/tray-menu$suffix.png"
    end_rabbit

    start_rabbit $((left + 70)) 150 skin=winter
    tray_menu Up Up Up Right
    import -window root -crop "$view" +repage "$out/rabbit-picture-set$suffix.png"
    end_rabbit
    wineserver -k 2>/dev/null || true
    ls "$out"/{rabbit,menus,tray-menu,tray-main-menu,rabbit-picture-set}"$suffix".png
done
