// Resource identifiers shared by the resource script and the code, grouped by kind.
#pragma once

// Strings
#define IDS_APP_TITLE 103  // "varnok", the window title
#define IDS_CLASS_NAME 109 // "VARNOK", the window class

// Icons
#define IDI_VARNOK 107
#define IDI_SMALL 108
#define IDI_CARROT 159
#define IDI_WATER_BOTTLE 160

// Cursors
#define IDC_LINK_HAND 154
#define IDC_DRAG_HAND 155
#define IDC_MOVE_ARROWS 156

// Bitmaps: the sprites are 133 to 166 by number; the grade pictures follow.
#define IDB_GRADE_DEVIL 167
#define IDB_GRADE_GOOD 178
#define IDB_GRADE_HUNGRY 180
#define IDB_GRADE_SAD 181
#define IDB_GRADE_CARED 183
#define IDB_GRADE_ANGEL 184
#define IDB_GRADE_BABY 186

// Menu and accelerators
#define IDR_MAIN_MENU 109
#define IDR_ACCELERATORS 109
#define IDR_TRAY_MENU 110

// Commands
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_STATUS 32772
#define IDM_SLEEP 32775
#define IDM_DRINK 32776
#define IDM_EAT 32777
#define IDM_ADOPT 32778
#define IDM_LABOUR 32779
#define IDM_FREE_ACTIVITY 32780
#define IDM_ITEMS 32781
#define IDM_SETTINGS 32782
// The notification menu's own commands, never sent to the rabbit window.
#define IDM_TRAY_PERCH 32789
#define IDM_TRAY_HIDE 32790
#define IDM_TRAY_GHOST 32791
#define IDM_TRAY_SIZE_1 32792 // sizes 2 and 3 follow
#define IDM_TRAY_SIZE_2 32793
#define IDM_TRAY_SIZE_3 32794
#define IDM_TRAY_HOTKEY 32795
#define IDM_TRAY_LANGUAGE_FIRST 32796 // one per language, in the order of allLanguages
// Its "外觀": the template, the built-in pictures, then the sets in skins\ one after another.
#define IDM_SKIN_EXPORT 32800
#define IDM_SKIN_BUILT_IN 32801
#define IDM_SKIN_FIRST_SET 32802 // up to MOST_LISTED_SETS follow

// Dialogs
#define IDD_ABOUT 103
#define IDD_STATUS 144
#define IDD_ITEMS 146
#define IDD_SETTINGS 157
#define IDD_BONUS 159
#define IDD_HOTKEY 161

// Dialog controls
#define IDC_STATIC -1 // labels, boxes and pictures that no code reaches
#define IDC_ABOUT_ICON 200
#define IDC_FOOD 1001
#define IDC_WATER 1002
#define IDC_STAMINA 1003
#define IDC_HEALTH 1004
#define IDC_HAPPINESS 1005
#define IDC_FATIGUE 1006
#define IDC_AGE 1008
#define IDC_CARROTS 1009 // items: the stock; bonus: "得到十根蘿蔔"
#define IDC_NAME 1010
#define IDC_WATER_BOTTLES 1011 // items: the stock; bonus: "得到十瓶水"
#define IDC_LINK 1012
#define IDC_AUTO_START 1014
#define IDC_AUTO_EAT 1015
#define IDC_AUTO_DRINK 1016
#define IDC_DEVIL_POINTS 1020
#define IDC_ANGEL_POINTS 1021
#define IDC_ABOUT_LINE 1022
#define IDC_SHOW_GRADE 1024
#define IDC_GRADE_TEXT 1025
#define IDC_HOTKEY 1030
#define IDC_HOTKEY_NONE 1031
#define IDC_HOTKEY_STATE 1032
