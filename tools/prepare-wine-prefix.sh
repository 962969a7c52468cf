#!/bin/bash
# Makes a quiet 64-bit Wine prefix for the program and its tests: no Mono or Gecko
# prompts, no crash dialogs, no wait for a window manager, Chinese UI fonts mapped
# to AR PL UMing, Tahoma for the English dialogs, caption buttons drawn; at the given
# display DPI (default 96). Called by
# tools/wine-prefix, which names the prefix and keeps two runs from making it at once.
#   prepare-wine-prefix.sh PREFIX [DPI]
set -euo pipefail
prefix=$1
dpi=${2:-96}
# The name changes whenever what a prefix gets here changes, so that older ones are redone.
ready=$prefix/.varnok-ready-3
[ -f "$ready" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
reg() { LC_ALL=C.UTF-8 wine reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# Wine hands this DPI to every program, aware or not, and never stretches.
reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
# "MS Shell Dlg 2", the English dialogs' font, stays Tahoma as on every Windows, also in a
# prefix that an older version of this script mapped it elsewhere.
LC_ALL=C.UTF-8 wine reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v "MS Shell Dlg 2" /f \
    >/dev/null 2>&1 || true
for font in 新細明體 細明體 PMingLiU MingLiU "MS Shell Dlg"; do
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "AR PL UMing TW"
done
for font in 宋体 新宋体 SimSun NSimSun; do
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "AR PL UMing CN"
done
for font in Tahoma "Microsoft Sans Serif" "Segoe UI" Arial; do
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$font" \
        /t REG_MULTI_SZ /d "uming.ttc,AR PL UMing TW"
done
# Caption buttons are drawn with Marlett, and the English dialogs' "MS Shell Dlg 2" is
# Tahoma; Debian ships both apart from Wine, and Wine only finds them in the prefix's own
# font folder.
for font in marlett tahoma tahomabd; do
    if [ -f "/usr/share/wine/fonts/$font.ttf" ]; then
        cp "/usr/share/wine/fonts/$font.ttf" "$prefix/drive_c/windows/Fonts/"
    fi
done
wineserver -w
touch "$ready"
