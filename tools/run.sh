#!/bin/bash
# Builds varnok.exe and runs the rabbit under Wine: on your display when DISPLAY is set,
# otherwise on a private Xvfb screen, where a screenshot is saved and its path printed.
# The rabbit lives in build/rabbit/, where its rabbit.dat stays between runs.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build build/windows --target varnok -j2
home=$repo/build/rabbit
mkdir -p "$home"
cp build/windows/varnok.exe "$home/varnok.exe"
prefix=$repo/build/windows/wineprefix

if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run "$prefix" "$home/varnok.exe"
fi

# shellcheck source=tools/xvfb.sh
source tools/xvfb.sh
start_xvfb 80
trap stop_xvfb EXIT
tools/wine-run "$prefix" "$home/varnok.exe" &
rabbit=$!
for _ in $(seq 200); do
    xdotool search --onlyvisible --name '^varnok$' >/dev/null 2>&1 && break
    kill -0 "$rabbit" 2>/dev/null || break
    sleep 0.1
done
# A desktop colour behind the rabbit; Wine clears the screen when it starts.
convert -size 1024x768 gradient:'#4f7fb8'-'#a7c8ea' "$home/desktop.png"
display -window root "$home/desktop.png" 2>/dev/null || true
sleep 1
shot=$home/screenshot.png
import -window root "$shot"
kill "$rabbit" 2>/dev/null || true
wait "$rabbit" 2>/dev/null || true
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
echo "The rabbit on a 1024x768 screen: $shot"
