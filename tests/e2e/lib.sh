# shellcheck shell=bash
# Shell functions (sourced) for the end-to-end tests: start varnok.exe under Wine from
# a fresh folder, find its window, drive it with mouse and keys as a user would, and
# read back its save file. run.sh sets VARNOK_EXE, WINEPREFIX, XSHAPE, E2E_WORK and
# DISPLAY before a case runs.

# Popup menu positions in the order Down reaches them: the separators at 1 and 9 are
# skipped, greyed items are not.
MENU_POSITIONS=(0 2 3 4 5 6 7 8 10 11)
# shellcheck disable=SC2034 # used by cases.sh
MENU_ADOPT=2 MENU_FOOD=4 MENU_FREE=6

# Fields of rabbit.dat in file order, every one a little-endian 32-bit word except the
# 20-byte name that follows hasPet.
SAVE_HEAD_FIELDS=(autoStart autoEat autoDrink posX posY hasPet)
SAVE_TAIL_FIELDS=(ageMonths foodMax food waterMax water staminaMax stamina health happiness
    fatigue inventory0 carrots inventory2 waterBottles devilPoints angelPoints)
NAME_RABBIT_BIG5=a8dfa46c00000000000000000000000000000000 # "兔子", zero-padded
# The built-in pictures, as the program holds them.
SPRITES=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../res/sprites" && pwd)

fail() {
    echo "  $*" >&2
    return 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_until SECONDS COMMAND...: retries the command every 50 ms until it succeeds; the
# seconds may have a fraction.
wait_until() {
    local deadline=$(($(now_ms) + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }')))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }

# wait_for_window NAME-REGEX [SECONDS]: prints the id of the first visible X window
# whose title matches.
wait_for_window() { wait_until "${2:-10}" visible_window "$1" >/dev/null && visible_window "$1"; }

window_gone() { ! visible_window "$1" >/dev/null; }

visible_rabbits() { xdotool search --onlyvisible --name '^varnok$' 2>/dev/null | wc -l; }

# window_geometry ID: prints "x y width height" of the window on the screen.
window_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { if (w != "") print x, y, w, h; else exit 1 }'
}

# start_rabbit [SAVE-HEX]: copies varnok.exe into a fresh folder (with rabbit.dat made
# from the hex bytes, if given), starts it and waits for its window. Sets RABBIT_DIR,
# RABBIT_PID and RABBIT_WINDOW.
start_rabbit() {
    RABBIT_DIR=$(mktemp -d "$E2E_WORK/rabbit.XXXXXX")
    cp "$VARNOK_EXE" "$RABBIT_DIR/varnok.exe"
    [ $# -eq 0 ] || printf '%s' "$1" | xxd -r -p >"$RABBIT_DIR/rabbit.dat"
    restart_rabbit
}

# rabbit_folder_with_settings TEXT [SAVE-HEX]: a fresh folder with varnok.exe, varnok.ini
# written from the printf format TEXT (a copy kept for settings_unchanged) and rabbit.dat
# made from the hex bytes, if given; not started yet. Sets RABBIT_DIR.
rabbit_folder_with_settings() {
    RABBIT_DIR=$(mktemp -d "$E2E_WORK/rabbit.XXXXXX")
    # shellcheck disable=SC2059 # the text is the format, with its escapes
    printf "$1" >"$RABBIT_DIR/varnok.ini"
    cp "$RABBIT_DIR/varnok.ini" "$RABBIT_DIR/chosen.ini"
    cp "$VARNOK_EXE" "$RABBIT_DIR/varnok.exe"
    [ $# -lt 2 ] || printf '%s' "$2" | xxd -r -p >"$RABBIT_DIR/rabbit.dat"
}

# start_rabbit_with_settings TEXT [SAVE-HEX]: as start_rabbit, with varnok.ini written from
# the printf format TEXT first.
start_rabbit_with_settings() {
    rabbit_folder_with_settings "$@" && restart_rabbit
}

settings_unchanged() {
    cmp -s "$RABBIT_DIR/varnok.ini" "$RABBIT_DIR/chosen.ini" ||
        fail "varnok.ini was changed: $(od -c "$RABBIT_DIR/varnok.ini" | head -n 3)"
}

# restart_rabbit: starts the program again in the folder of the last start_rabbit.
restart_rabbit() {
    (cd "$RABBIT_DIR" && exec wine varnok.exe) >>"$RABBIT_DIR/wine.log" 2>&1 &
    RABBIT_PID=$!
    RABBIT_WINDOW=$(wait_for_window '^varnok$' 20) || fail "no rabbit window appeared" || return
    # The window is shown already placed and shaped; give its first paint a moment.
    sleep 0.3
}

rabbit_running() { [ -n "${RABBIT_PID:-}" ] && kill -0 "$RABBIT_PID" 2>/dev/null; }

# stop_rabbit: ends a program that is still running (after a failed case).
stop_rabbit() {
    if rabbit_running; then
        kill "$RABBIT_PID" 2>/dev/null || true
        wait "$RABBIT_PID" 2>/dev/null || true
    fi
    RABBIT_PID=
}

# wait_for_rabbit_exit: waits up to 10 s for the program to end by itself.
wait_for_rabbit_exit() {
    wait_until 10 eval '! rabbit_running' || fail "varnok.exe did not end" || return
    wait "$RABBIT_PID" 2>/dev/null || true
    RABBIT_PID=
}

# start_tray: Debian's trayer as the screen's notification area, where Wine docks the
# program's icon; started before the program. Sets TRAY_PANEL and TRAY_PID.
start_tray() {
    trayer --edge top --align right --widthtype request --height 24 --transparent false \
        >/dev/null 2>&1 &
    TRAY_PID=$!
    TRAY_PANEL=$(wait_for_window '^panel$' 10) || fail "trayer's panel did not appear"
}

stop_tray() {
    [ -n "${TRAY_PID:-}" ] || return 0
    kill "$TRAY_PID" 2>/dev/null || true
    wait "$TRAY_PID" 2>/dev/null || true
    TRAY_PID=
}

# tray_icon: prints the id of the icon docked in the panel, an X window of Wine's explorer.
tray_icon() { xwininfo -tree -id "$TRAY_PANEL" | awk '/"explorer.exe"/ { print $1 }' | grep .; }

# click_tray_icon BUTTON: clicks the middle of the icon.
click_tray_icon() {
    local icon
    icon=$(tray_icon) || fail "no icon in the notification area" || return
    xdotool mousemove --window "$icon" 8 8 click "$1"
}

# shape_rects ID: the window's X shape rectangles, "x y width height" per line.
shape_rects() { "$XSHAPE" "$1"; }

# rabbit_point: prints a screen point that lies on the rabbit (the centre of the widest
# row of its shape), where a click reaches the program and not the desktop below.
rabbit_point() {
    local geometry x y
    geometry=$(window_geometry "$RABBIT_WINDOW") || return
    read -r x y _ <<<"$geometry"
    shape_rects "$RABBIT_WINDOW" | sort -k3,3n | tail -n 1 |
        awk -v x="$x" -v y="$y" '{ print x + $1 + int($3 / 2), y + $2 + int($4 / 2) }' | grep .
}

# open_menu: right-clicks the rabbit and waits for the popup menu to open.
open_menu() {
    local point
    point=$(rabbit_point) || fail "the rabbit has no shape to click" || return
    # shellcheck disable=SC2086
    xdotool mousemove $point click 3
    sleep 0.4
}

# menu_keys POSITION: the Down presses that reach a popup menu position.
menu_keys() {
    local index
    for index in "${!MENU_POSITIONS[@]}"; do
        printf 'Down '
        [ "${MENU_POSITIONS[$index]}" -ne "$1" ] || return 0
    done
    return 1
}

# choose POSITION: opens the menu and chooses the item at that position.
choose() {
    open_menu || return
    # shellcheck disable=SC2046
    xdotool key --delay 60 $(menu_keys "$1") Return
}

# choose_in_submenu POSITION INDEX: opens the submenu at POSITION and chooses its
# INDEX-th item (from 0).
choose_in_submenu() {
    open_menu || return
    local downs=$2 keys=()
    while [ "$downs" -gt 0 ]; do
        keys+=(Down)
        downs=$((downs - 1))
    done
    # shellcheck disable=SC2046
    xdotool key --delay 60 $(menu_keys "$1") Right "${keys[@]}" Return
}

# choose_exit: "退出(&X)", reached with Up from the closed menu; waits for the end.
choose_exit() {
    open_menu || return
    xdotool key --delay 60 Up Return
    wait_for_rabbit_exit
}

# answer_box CAPTION [SECONDS]: waits for the message box with that caption and
# closes it with Return.
answer_box() {
    local box
    box=$(wait_for_window "^$1\$" "${2:-10}") || fail "no message box \"$1\"" || return
    xdotool windowfocus --sync "$box" key Return
    wait_until 5 window_gone "^$1\$" || fail "message box \"$1\" did not close"
}

le32() {
    local v=$(($1 & 0xffffffff))
    printf '%02x%02x%02x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24))
}

# rabbit_hex [FIELD=VALUE...]: the 108 bytes (as hex) of a newly adopted rabbit at
# (500, 300), with the given fields changed (name= takes the 20 bytes as hex).
rabbit_hex() {
    local -A field=([autoStart]=0 [autoEat]=0 [autoDrink]=0 [posX]=500 [posY]=300 [hasPet]=1
        [ageMonths]=0 [foodMax]=100 [food]=80 [waterMax]=100 [water]=80 [staminaMax]=100
        [stamina]=100 [health]=100 [happiness]=100 [fatigue]=0 [inventory0]=0 [carrots]=2
        [inventory2]=0 [waterBottles]=2 [devilPoints]=0 [angelPoints]=0)
    local change name hex= nameHex=$NAME_RABBIT_BIG5
    for change; do
        case $change in
        name=*) nameHex=${change#name=} ;;
        *) field[${change%%=*}]=${change#*=} ;;
        esac
    done
    for name in "${SAVE_HEAD_FIELDS[@]}"; do hex+=$(le32 "${field[$name]}"); done
    hex+=$nameHex
    for name in "${SAVE_TAIL_FIELDS[@]}"; do hex+=$(le32 "${field[$name]}"); done
    printf '%s' "$hex"
}

save_hex() { xxd -p "$RABBIT_DIR/rabbit.dat" | tr -d '\n'; }

# word_value HEX: the signed value of a little-endian 32-bit word.
word_value() {
    local v=$((16#${1:6:2}${1:4:2}${1:2:2}${1:0:2}))
    echo $((v >= 2147483648 ? v - 4294967296 : v))
}

# expect_save HEX: the rabbit's save file holds exactly these bytes; otherwise names
# every field that differs.
expect_save() {
    local actual names=("${SAVE_HEAD_FIELDS[@]}" name name name name name "${SAVE_TAIL_FIELDS[@]}")
    actual=$(save_hex)
    [ "$actual" = "$1" ] && return 0
    fail "rabbit.dat ($((${#actual} / 2)) bytes) differs from the expected 108 bytes:"
    local word
    for ((word = 0; word < 27; word++)); do
        local want=${1:word * 8:8} got=${actual:word * 8:8}
        [ "$want" = "$got" ] && continue
        if [ ${#got} -eq 8 ] && [ "${names[word]}" != name ]; then
            got=$(word_value "$got")
        fi
        echo "    offset $((word * 4)) (${names[word]}): expected $(word_value "$want"), got ${got:-nothing}" >&2
    done
    return 1
}

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# screenshot ID FILE: the window's pixels as the screen shows them.
screenshot() { import -window "$1" "$2"; }

# key_pixels_inside_shape PNG RECTS: counts the pixels of pure green (the sprites' key
# colour) inside the shape, and prints "inside green colours".
key_pixels_inside_shape() {
    convert "$1" -depth 8 txt:- | awk -v rects="$2" '
        BEGIN { while ((getline line < rects) > 0) { n++; split(line, r, " ");
                x0[n] = r[1]; y0[n] = r[2]; x1[n] = r[1] + r[3]; y1[n] = r[2] + r[4] } }
        /^[0-9]/ { split($1, p, /[,:]/); px = p[1]; py = p[2]
            for (i = 1; i <= n; i++) if (px >= x0[i] && px < x1[i] && py >= y0[i] && py < y1[i]) {
                inside++; colour[$3] = 1; if ($3 == "#00FF00") green++; break } }
        END { for (c in colour) colours++; print inside + 0, green + 0, colours + 0 }'
}

# double_click_rabbit: double-clicks the rabbit and records the window's geometry for
# 2.5 s in $RABBIT_DIR/frames.txt; prints the sizes it took in turn, "WxH " each.
double_click_rabbit() {
    local point
    point=$(rabbit_point) || return
    # shellcheck disable=SC2086
    xdotool mousemove $point
    track_window "$RABBIT_WINDOW" 2500 >"$RABBIT_DIR/frames.txt" &
    xdotool click --repeat 2 --delay 120 1
    wait $!
    awk '{ print $3 "x" $4 }' "$RABBIT_DIR/frames.txt" | uniq | tr '\n' ' '
}

# track_window ID MILLISECONDS: prints the window's geometry each time it changes.
track_window() {
    local deadline=$(($(now_ms) + $2)) last='' geometry
    while [ "$(now_ms)" -lt "$deadline" ]; do
        geometry=$(window_geometry "$1") || break
        [ "$geometry" = "$last" ] || echo "$geometry"
        last=$geometry
    done
}

# mixed_blocks PNG RECTS SCALE: counts the pixels inside the shape whose colour differs
# from that of the top-left pixel of their SCALE x SCALE block: 0 when every picture
# pixel is drawn as a block of one colour.
mixed_blocks() {
    convert "$1" -depth 8 txt:- | awk -v rects="$2" -v s="$3" '
        BEGIN { while ((getline line < rects) > 0) { n++; split(line, r, " ");
                x0[n] = r[1]; y0[n] = r[2]; x1[n] = r[1] + r[3]; y1[n] = r[2] + r[4] } }
        /^[0-9]/ { split($1, p, /[,:]/); colour[p[1], p[2]] = $3 }
        END { for (key in colour) { split(key, p, SUBSEP); px = p[1]; py = p[2]
                for (i = 1; i <= n; i++) if (px >= x0[i] && px < x1[i] && py >= y0[i] && py < y1[i]) {
                    if (colour[px, py] != colour[px - px % s, py - py % s]) mixed++; break } }
              print mixed + 0 }'
}

# expect_rabbit_drawn_as PICTURE: the rabbit, at one screen pixel a picture pixel, shows
# exactly the picture's colours inside its shape.
expect_rabbit_drawn_as() {
    local rects=$RABBIT_DIR/shape.txt shot=$RABBIT_DIR/rabbit.png inside unlike
    shape_rects "$RABBIT_WINDOW" >"$rects"
    screenshot "$RABBIT_WINDOW" "$shot"
    read -r inside unlike <<<"$({ convert "$1" -depth 8 txt:- | sed 's/^/P /'
        convert "$shot" -depth 8 txt:- | sed 's/^/S /'; } | awk -v rects="$rects" '
        BEGIN { while ((getline line < rects) > 0) { n++; split(line, r, " ");
                x0[n] = r[1]; y0[n] = r[2]; x1[n] = r[1] + r[3]; y1[n] = r[2] + r[4] } }
        $2 ~ /^[0-9]/ { split($2, p, /[,:]/); colour = substr($4, 1, 7)
            if ($1 == "P") { picture[p[1], p[2]] = colour; next }
            for (i = 1; i <= n; i++) if (p[1] >= x0[i] && p[1] < x1[i] && p[2] >= y0[i] && p[2] < y1[i]) {
                inside++; if (picture[p[1], p[2]] != colour) unlike++; break } }
        END { print inside + 0, unlike + 0 }')"
    [ "$inside" -gt 1000 ] || fail "the rabbit's shape covers only $inside pixels" || return
    expect_eq "pixels inside the outline unlike $(basename "$1")" 0 "$unlike"
}

# open_window NAME X Y WIDTH HEIGHT: another program's captioned window at that place, for the
# rabbit to walk on (tests/windows/window_stand_in); it ends with the case.
open_window() {
    wine "$STAND_IN_EXE" open "$@" >>"$E2E_WORK/stand-in.log" 2>&1 &
    STAND_IN_PIDS+=("$!")
    wait_for_window "^$1\$" 10 >/dev/null || fail "the window $1 did not open"
}

# window_command VERB NAME [X Y WIDTH HEIGHT]: moves, minimises, restores, hides, shows or
# closes a window of open_window; returns once it has.
window_command() {
    wine "$STAND_IN_EXE" "$@" >>"$E2E_WORK/stand-in.log" 2>&1 || fail "the window $2 did not $1"
}

stop_windows() {
    local pid
    for pid in "${STAND_IN_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    STAND_IN_PIDS=()
}

# rabbit_feet: the screen row of the lowest row of the rabbit's outline.
rabbit_feet() {
    local y
    read -r _ y _ <<<"$(window_geometry "$RABBIT_WINDOW")" || return
    shape_rects "$RABBIT_WINDOW" |
        awk -v y="$y" '{ if ($2 + $4 > low) low = $2 + $4 } END { if (low) print y + low - 1; else exit 1 }'
}

feet_on_row() { [ "$(rabbit_feet)" = "$1" ]; }
