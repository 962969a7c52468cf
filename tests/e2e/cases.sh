# shellcheck shell=bash
# The end-to-end cases (sourced by run.sh): each starts the real program from a fresh
# folder and drives it with the mouse and keys.

test_first_start_shows_the_shaped_rabbit() {
    start_rabbit || return
    expect_eq "window on the first start" "500 300 60 88" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    [ -f "$RABBIT_DIR/rabbit.dat" ] || fail "no rabbit.dat beside the program" || return
    expect_eq "size of the new rabbit.dat" 0 "$(stat -c %s "$RABBIT_DIR/rabbit.dat")" || return

    local rects=$RABBIT_DIR/shape.txt shot=$RABBIT_DIR/rabbit.png area inside green colours
    shape_rects "$RABBIT_WINDOW" >"$rects"
    area=$(awk '{ area += $3 * $4 } END { print area + 0 }' "$rects")
    [ "$area" -gt 1000 ] && [ "$area" -lt $((60 * 88)) ] ||
        fail "the window's shape covers $area of its 5280 pixels" || return

    screenshot "$RABBIT_WINDOW" "$shot"
    read -r inside green colours <<<"$(key_pixels_inside_shape "$shot" "$rects")"
    expect_eq "pixels inside the shape" "$area" "$inside" || return
    expect_eq "key-green pixels inside the rabbit's outline" 0 "$green" || return
    [ "$colours" -ge 4 ] || fail "the rabbit shows only $colours colours" || return
    choose_exit || return
    # Exit saves even without a rabbit: zeros but for the window's place.
    expect_save "$(printf '%024d' 0)$(le32 500)$(le32 300)$(printf '%0176d' 0)"
}

test_adopting_saves_a_new_rabbit() {
    start_rabbit || return
    choose "$MENU_ADOPT" || return
    answer_box 領養新兔子 || return
    choose_exit || return
    expect_save "$(rabbit_hex)"
}

test_a_dragged_rabbit_comes_back_where_it_was_dropped() {
    start_rabbit "$(rabbit_hex)" || return
    local x y
    read -r x y <<<"$(rabbit_point)"
    xdotool mousemove "$x" "$y" mousedown 1 sleep 0.2 \
        mousemove $((x + 30)) $((y - 20)) sleep 0.1 mousemove $((x + 80)) $((y - 60)) sleep 0.1 \
        mousemove $((x + 120)) $((y - 100)) sleep 0.2 mouseup 1
    sleep 0.3
    expect_eq "window after the drag" "620 200 60 88" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    choose_exit || return
    expect_save "$(rabbit_hex posX=620 posY=200)" || return
    restart_rabbit || return
    expect_eq "window after a restart" "620 200 60 88" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    choose_exit
}

test_double_click_plays_the_bow_first() {
    start_rabbit "$(rabbit_hex)" || return
    local sizes
    # The first draw, 41, is odd: the bow goes out over four frames and back to standing.
    sizes=$(double_click_rabbit) || return
    expect_eq "window sizes after the double-click" \
        "60x88 62x88 63x86 66x82 69x80 66x82 63x86 62x88 60x88 " "$sizes" || return
    expect_eq "window position during the bow" "500 300" \
        "$(awk '{ print $1, $2 }' "$RABBIT_DIR/frames.txt" | sort -u | tr '\n' ' ' | sed 's/ $//')" ||
        return
    choose_exit || return
    expect_save "$(rabbit_hex)"
}

test_eating_takes_a_carrot_and_fills_the_rabbit() {
    start_rabbit "$(rabbit_hex)" || return
    choose_in_submenu "$MENU_FOOD" 0 || return
    local chosen box
    chosen=$(now_ms)
    box=$(wait_for_window '^吃東西$' 10) || fail "no report of the meal" || return
    # The report comes at the end of the meal, twelve frames after the choice.
    [ $(($(now_ms) - chosen)) -ge 1500 ] ||
        fail "the meal was reported after $(($(now_ms) - chosen)) ms" || return
    screenshot "$box" "$RABBIT_DIR/report.png"
    answer_box 吃東西 || return
    choose_exit || return
    expect_save "$(rabbit_hex food=90 carrots=1)"
}

test_free_activity_follows_the_first_draws() {
    start_rabbit "$(rabbit_hex)" || return
    track_window "$RABBIT_WINDOW" 4000 >"$RABBIT_DIR/moves.txt" &
    local tracker=$! moves
    choose "$MENU_FREE" || return
    wait "$tracker"
    # 41 % 4 = 1 walks left by 10 four times; 18467 % 4 = 3 goes down to the right by
    # (9, 5) six times.
    moves=$(awk '{ print $1 "," $2 }' "$RABBIT_DIR/moves.txt" | uniq | head -n 11 | tr '\n' ' ')
    expect_eq "positions while walking" \
        "500,300 490,300 480,300 470,300 460,300 469,305 478,310 487,315 496,320 505,325 514,330 " \
        "$moves" || return

    # The same item now stops the walk; choosing it again starts the next movement.
    choose "$MENU_FREE" || return
    local before
    before=$(window_geometry "$RABBIT_WINDOW")
    sleep 1
    expect_eq "window after stopping" "$before" "$(window_geometry "$RABBIT_WINDOW")" || return
    choose "$MENU_FREE" || return
    sleep 1
    [ "$(window_geometry "$RABBIT_WINDOW")" != "$before" ] ||
        fail "free activity did not start again" || return
    choose "$MENU_FREE" || return
    choose_exit
}

# At 200 %: each picture pixel a 2 x 2 block on the screen, the saved place in rabbit pixels.
test_at_192dpi_the_rabbit_stands_in_whole_2x2_blocks() {
    start_rabbit "$(rabbit_hex)" || return
    expect_eq "window of the rabbit saved at (500, 300)" "1000 600 120 176" \
        "$(window_geometry "$RABBIT_WINDOW")" || return
    local rects=$RABBIT_DIR/shape.txt shot=$RABBIT_DIR/rabbit.png
    shape_rects "$RABBIT_WINDOW" >"$rects"
    expect_eq "shape rectangles off the 2-pixel grid" 0 \
        "$(awk '$1 % 2 || $2 % 2 || $3 % 2 || $4 % 2' "$rects" | wc -l)" || return
    screenshot "$RABBIT_WINDOW" "$shot"
    expect_eq "pixels inside the outline that break their 2x2 block" 0 \
        "$(mixed_blocks "$shot" "$rects" 2)" || return
    choose_exit
}

test_at_192dpi_double_click_plays_the_bow_at_twice_its_sizes() {
    start_rabbit "$(rabbit_hex)" || return
    local sizes
    sizes=$(double_click_rabbit) || return
    expect_eq "window sizes after the double-click" \
        "120x176 124x176 126x172 132x164 138x160 132x164 126x172 124x176 120x176 " "$sizes" ||
        return
    choose_exit
}

test_at_192dpi_a_drag_saves_rabbit_pixels() {
    start_rabbit "$(rabbit_hex)" || return
    local x y
    read -r x y <<<"$(rabbit_point)"
    # Dropped at (1241, 401) on the screen, off the grid: the nearest rabbit pixel is
    # (621, 201), where the rabbit then stands, at (1242, 402).
    xdotool mousemove "$x" "$y" mousedown 1 sleep 0.2 \
        mousemove $((x + 100)) $((y - 100)) sleep 0.1 mousemove $((x + 241)) $((y - 199)) \
        sleep 0.2 mouseup 1
    sleep 0.3
    expect_eq "window after the drag" "1242 402 120 176" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    choose_exit || return
    expect_save "$(rabbit_hex posX=621 posY=201)"
}

# On two monitors: the main one at (0, 0) and a 1024 x 768 one on its left at (-1024, 0),
# shown at X root (1024, 0) and (0, 0), so X root = Windows screen + (1024, 0).
test_on_two_monitors_a_rabbit_saved_on_the_left_monitor_starts_there() {
    start_rabbit "$(rabbit_hex posX=-600 posY=300)" || return
    expect_eq "window of the rabbit saved at (-600, 300)" "424 300 60 88" \
        "$(window_geometry "$RABBIT_WINDOW")" || return
    choose_exit || return
    expect_save "$(rabbit_hex posX=-600 posY=300)"
}

# From x = 0 the first walk, four steps of 10 px left, crosses the join and ends at -40,
# where the main monitor's own left wrap would send it to its far right; the walks after
# it cross back and forth.
test_on_two_monitors_free_activity_walks_across_the_join() {
    start_rabbit "$(rabbit_hex posX=0 posY=300)" || return
    track_window "$RABBIT_WINDOW" 6000 >"$RABBIT_DIR/moves.txt" &
    local tracker=$!
    choose "$MENU_FREE" || return
    wait "$tracker"
    # A sample every few milliseconds: consecutive ones are a step or two (10 px) apart.
    awk 'NR > 1 && ($1 - x > 50 || x - $1 > 50 || $2 - y > 50 || y - $2 > 50) {
             print "  jumped from " x "," y " to " $1 "," $2; jumped = 1 }
         { x = $1; y = $2 } END { exit jumped }' "$RABBIT_DIR/moves.txt" >&2 || return
    awk '$1 < 1024 { left = 1 } $1 >= 1024 { main = 1 } END { exit !(left && main) }' \
        "$RABBIT_DIR/moves.txt" || fail "the rabbit never stood on both sides of the join"
}

# On a main 1280 x 1024 monitor with a 1024 x 768 one directly below it at (0, 1024),
# where X root = Windows screen. The first walk, four steps of 10 px left, leaves the
# rabbit hanging 30 px off the left edge of both; the next, down to the right by (9, 5),
# crosses the join at y = 1024 at its first step, onto the lower monitor.
test_on_stacked_monitors_a_rabbit_hanging_off_the_left_edge_walks_down_onto_the_lower_one() {
    start_rabbit "$(rabbit_hex posX=10 posY=1020)" || return
    track_window "$RABBIT_WINDOW" 4000 >"$RABBIT_DIR/moves.txt" &
    local tracker=$!
    choose "$MENU_FREE" || return
    wait "$tracker"
    expect_eq "positions while walking" \
        "10,1020 0,1020 -10,1020 -20,1020 -30,1020 -21,1025 -12,1030 -3,1035 6,1040 15,1045 24,1050 " \
        "$(awk '{ print $1 "," $2 }' "$RABBIT_DIR/moves.txt" | uniq | head -n 11 | tr '\n' ' ')"
}

test_a_garbled_settings_file_gives_the_defaults_and_is_left_alone() {
    start_rabbit_with_settings '[varnok]\r\nsize=2\x00\x01\xfe\r\nghost=1\r\n' "$(rabbit_hex)" ||
        return
    expect_eq "window with a garbled varnok.ini" "500 300 60 88" \
        "$(window_geometry "$RABBIT_WINDOW")" || return
    xprop -id "$RABBIT_WINDOW" _NET_WM_WINDOW_OPACITY | grep -q 'not found' ||
        fail "the rabbit is translucent: $(xprop -id "$RABBIT_WINDOW" _NET_WM_WINDOW_OPACITY)" ||
        return
    choose_exit || return
    settings_unchanged
}

test_a_bare_function_key_in_the_settings_is_no_hotkey() {
    start_rabbit_with_settings '[varnok]\r\nhotkey=F5\r\n' "$(rabbit_hex)" || return
    # shellcheck disable=SC2046
    xdotool mousemove $(rabbit_point) key F5
    sleep 0.5
    visible_window '^varnok$' >/dev/null || fail "F5 hid the rabbit" || return
    choose_exit || return
    settings_unchanged
}

# The icon in the notification area: its menu's last item ends the program as the rabbit's
# own 退出 does, saving.
test_the_rabbit_sits_in_the_notification_area() {
    start_tray || return
    start_rabbit "$(rabbit_hex)" || return
    wait_until 5 tray_icon >/dev/null || fail "no icon in the notification area" || return
    click_tray_icon 3 || return
    sleep 0.4
    xdotool key --delay 60 Up Return
    wait_for_rabbit_exit || return
    expect_save "$(rabbit_hex)"
}

test_left_clicks_on_the_tray_icon_hide_and_show_the_rabbit() {
    start_tray || return
    start_rabbit "$(rabbit_hex)" || return
    wait_until 5 tray_icon >/dev/null || fail "no icon in the notification area" || return
    click_tray_icon 1 || return
    wait_until 5 window_gone '^varnok$' || fail "the rabbit did not hide" || return
    # A click within the double-click time would be the first click's second half.
    sleep 0.6
    click_tray_icon 1 || return
    RABBIT_WINDOW=$(wait_for_window '^varnok$' 5) || fail "the rabbit did not come back" || return
    expect_eq "window shown again" "500 300 60 88" "$(window_geometry "$RABBIT_WINDOW")" || return
    choose_exit
}

# tray_choose KEY...: opens the icon's menu and walks it with the keys (Down from the closed
# menu reaches its first item: 隱藏兔子, 穿透模式, 在視窗上走, 大小, 快速鍵…, 語言, 外觀, 主選單,
# 退出).
tray_choose() {
    click_tray_icon 3 || return
    sleep 0.4
    xdotool key --delay 60 "$@"
    sleep 0.3
}

# Another program's window where the rabbit stands, which prints the presses it gets.
test_ghost_mode_from_the_tray_lets_clicks_through_to_the_window_below() {
    start_tray || return
    wine "$BELOW_EXE" 430 250 200 200 >"$E2E_WORK/below.txt" 2>/dev/null &
    local below=$! point
    wait_for_window '^below$' 10 >/dev/null || fail "no window below" || return
    start_rabbit "$(rabbit_hex)" || return
    point=$(rabbit_point) || return
    tray_choose Down Down Return || return
    xprop -id "$RABBIT_WINDOW" _NET_WM_WINDOW_OPACITY | grep -q '= 2155905152$' ||
        fail "not half opaque: $(xprop -id "$RABBIT_WINDOW" _NET_WM_WINDOW_OPACITY)" || return
    # shellcheck disable=SC2086
    xdotool mousemove $point click 1
    wait_until 5 grep -q press "$E2E_WORK/below.txt" ||
        fail "the click did not reach the window below" || return
    kill "$below"
    expect_eq "the rabbit's place" "500 300 60 88" "$(window_geometry "$RABBIT_WINDOW")" || return
    tray_choose Up Return || return
    wait_for_rabbit_exit
}

test_on_a_large_screen_a_restart_keeps_ghost_mode_and_size() {
    start_tray || return
    start_rabbit "$(rabbit_hex)" || return
    # 大小, then 2 倍: the feet stay at (530, 388), the rabbit now 120 x 176.
    tray_choose Down Down Down Down Right Down Return || return
    expect_eq "window at twice the size" "470 212 120 176" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    tray_choose Down Down Return || return
    tray_choose Up Return || return
    wait_for_rabbit_exit || return
    expect_eq "varnok.ini" "$(printf '[varnok]\r\nsize=2\r\nghost=1\r\n')" \
        "$(cat "$RABBIT_DIR/varnok.ini")" || return
    expect_save "$(rabbit_hex posX=235 posY=106)" || return
    restart_rabbit || return
    expect_eq "window after a restart" "470 212 120 176" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    xprop -id "$RABBIT_WINDOW" _NET_WM_WINDOW_OPACITY | grep -q '= 2155905152$' ||
        fail "ghost mode was not kept" || return
    tray_choose Up Return || return
    wait_for_rabbit_exit
}

# The language Windows' display language asks for, from the very first start: the menus'
# dialogs, the boxes and the new rabbit's name.
test_an_english_windows_gets_an_english_rabbit() {
    LC_ALL=en_US.UTF-8 start_rabbit || return
    choose "$MENU_ADOPT" || return
    answer_box "Adopt a Rabbit" || return
    choose 0 || return
    answer_box About || return
    choose_exit || return
    expect_save "$(rabbit_hex name=42756e6e79000000000000000000000000000000)" # "Bunny"
}

test_a_simplified_chinese_windows_gets_a_simplified_chinese_rabbit() {
    LC_ALL=zh_CN.UTF-8 start_rabbit || return
    choose "$MENU_ADOPT" || return
    answer_box 领养新兔子 || return
    choose 0 || return
    answer_box 关于 || return
    choose_exit || return
    expect_save "$(rabbit_hex)"
}

# 語言 is the sixth item of the icon's menu, English the third of its languages; the choice
# is remembered, and wins over this Windows' Traditional Chinese after a restart.
test_a_language_chosen_from_the_tray_is_spoken_at_once_and_after_a_restart() {
    start_tray || return
    start_rabbit "$(rabbit_hex)" || return
    tray_choose Down Down Down Down Down Down Right Down Down Return || return
    choose 0 || return
    answer_box About || return
    choose_exit || return
    expect_eq "varnok.ini" "$(printf '[varnok]\r\nlanguage=en\r\n')" \
        "$(cat "$RABBIT_DIR/varnok.ini")" || return
    restart_rabbit || return
    choose 0 || return
    answer_box About || return
    choose_exit
}

# This screen does not offer size 2: the rabbit is drawn at size 1, its feet where size 2
# put them, and both files keep counting in size 2, ghost mode's writes included.
test_a_rabbit_drawn_smaller_than_its_size_keeps_the_size_in_both_files() {
    start_tray || return
    start_rabbit_with_settings '[varnok]\r\nsize=2\r\nghost=0\r\nhotkey=\r\n' \
        "$(rabbit_hex posX=235 posY=106)" || return
    expect_eq "window at size 1" "500 300 60 88" "$(window_geometry "$RABBIT_WINDOW")" || return
    tray_choose Down Down Return || return
    tray_choose Down Down Return || return
    tray_choose Up Return || return
    wait_for_rabbit_exit || return
    settings_unchanged || return
    expect_save "$(rabbit_hex posX=235 posY=106)"
}

# A user's own lines in varnok.ini (LF line ends here) survive a change from the menu: the
# one new line goes at the end of the program's section.
test_ghost_mode_from_the_tray_keeps_the_users_own_lines_in_the_settings_file() {
    start_tray || return
    start_rabbit_with_settings '; my rabbit\n[varnok]\nsize=1\nfuture=yes\n\n[other tool]\nghost=0\n' \
        "$(rabbit_hex)" || return
    wait_until 5 tray_icon >/dev/null || fail "no icon in the notification area" || return
    tray_choose Down Down Return || return
    tray_choose Up Return || return
    wait_for_rabbit_exit || return
    expect_eq "varnok.ini" \
        "$(printf '; my rabbit\n[varnok]\nsize=1\nfuture=yes\nghost=1\n\n[other tool]\nghost=0\n' | od -c)" \
        "$(od -c "$RABBIT_DIR/varnok.ini")"
}

# A second start from the rabbit's folder shows it and ends, touching neither file; a start
# from another folder is a rabbit of its own beside it.
test_a_second_start_from_the_folder_shows_the_rabbit_and_ends() {
    start_tray || return
    start_rabbit "$(rabbit_hex)" || return
    local first=$RABBIT_PID firstDir=$RABBIT_DIR second
    wait_until 5 tray_icon >/dev/null || fail "no icon in the notification area" || return
    click_tray_icon 1 || return
    wait_until 5 window_gone '^varnok$' || fail "the rabbit did not hide" || return
    cp "$firstDir/rabbit.dat" "$firstDir/before.dat"
    # Another folder's rabbit, alone on the screen for now.
    start_rabbit "$(rabbit_hex posX=100 posY=100)" || return
    (cd "$firstDir" && exec wine varnok.exe) >>"$firstDir/wine.log" 2>&1 &
    second=$!
    wait_until 10 eval "! kill -0 $second 2>/dev/null" || fail "the second start did not end" ||
        return
    wait_until 5 eval '[ "$(visible_rabbits)" -eq 2 ]' || fail "the hidden rabbit was not shown" ||
        return
    cmp -s "$firstDir/rabbit.dat" "$firstDir/before.dat" || fail "rabbit.dat was changed" || return
    [ ! -e "$firstDir/varnok.ini" ] || fail "varnok.ini was written" || return
    choose_exit || return
    RABBIT_PID=$first RABBIT_DIR=$firstDir
    RABBIT_WINDOW=$(wait_for_window '^varnok$' 5) || return
    choose_exit
}

# A set in skins\ beside the program, remembered in varnok.ini: the standing rabbit in its
# colours (a BMP, its fur painted blue), cut to its outline.
test_a_remembered_picture_set_dresses_the_rabbit() {
    rabbit_folder_with_settings '[varnok]\r\nskin=blue\r\n' "$(rabbit_hex)"
    mkdir -p "$RABBIT_DIR/skins/blue"
    convert "$SPRITES/146.bmp" -fill '#4678E6' -opaque '#F0C89C' "BMP3:$RABBIT_DIR/skins/blue/146.bmp"
    restart_rabbit || return
    expect_eq "window of the dressed rabbit" "500 300 60 88" "$(window_geometry "$RABBIT_WINDOW")" ||
        return
    expect_rabbit_drawn_as "$RABBIT_DIR/skins/blue/146.bmp" || return
    choose_exit
}

# At start, a remembered set that cannot be used (here its standing picture is a pixel too
# wide) gives the built-in rabbit without a word, and varnok.ini stays as it was.
test_a_broken_remembered_set_leaves_the_built_in_rabbit_and_says_nothing() {
    rabbit_folder_with_settings '[varnok]\r\nsize=1\r\nskin=broken\r\n' "$(rabbit_hex)"
    mkdir -p "$RABBIT_DIR/skins/broken"
    convert -size 61x88 xc:blue "$RABBIT_DIR/skins/broken/146.png"
    restart_rabbit || return
    expect_rabbit_drawn_as "$SPRITES/146.bmp" || return
    ! wait_for_window '^外觀$' 1 >/dev/null || fail "a box opened at start" || return
    choose_exit || return
    settings_unchanged
}

# Walking on windows: another program's window at (200, 400)-(700, 700) under a rabbit saved
# at (300, 100); the lowest row of its outline lands on the row above the window's top.
test_walking_on_windows_the_rabbit_lands_rides_and_drops_when_the_window_closes() {
    open_window editor 200 400 500 300 || return
    start_rabbit_with_settings '[varnok]\r\nperch=1\r\n' "$(rabbit_hex posX=300 posY=100)" || return
    wait_until 3 feet_on_row 399 || fail "the feet are on row $(rabbit_feet), not 399" || return
    local x
    read -r x _ <<<"$(window_geometry "$RABBIT_WINDOW")"
    window_command move editor 300 450 500 300 || return
    wait_until 0.5 feet_on_row 449 || fail "after the window's move the feet are on row $(rabbit_feet)" ||
        return
    expect_eq "the rabbit's left edge after the ride" $((x + 100)) \
        "$(window_geometry "$RABBIT_WINDOW" | cut -d' ' -f1)" || return
    window_command close editor || return
    wait_until 3 feet_on_row 767 || fail "after the window closed the feet are on row $(rabbit_feet)" ||
        return
    choose_exit
}

test_walk_on_windows_from_the_tray_takes_effect_at_once_both_ways_and_is_written() {
    start_tray || return
    open_window editor 200 400 500 300 || return
    start_rabbit "$(rabbit_hex posX=300 posY=100)" || return
    sleep 1
    expect_eq "the rabbit without walking on windows" "300 100 60 88" \
        "$(window_geometry "$RABBIT_WINDOW")" || return
    tray_choose Down Down Down Return || return
    wait_until 3 feet_on_row 399 || fail "the feet are on row $(rabbit_feet), not 399" || return
    grep -q '^perch=1' "$RABBIT_DIR/varnok.ini" ||
        fail "varnok.ini: $(tr '\r\n' '  ' <"$RABBIT_DIR/varnok.ini")" || return
    tray_choose Down Down Down Return || return
    window_command close editor || return
    sleep 1
    expect_eq "the feet once it stopped walking on windows" 399 "$(rabbit_feet)" || return
    choose_exit
}
