#!/bin/bash
# The long soak: simulated days of the rabbit's life on a fast clock.
#   bench/soak.sh [DAYS] [SEED]            the logic alone, from the host preset in
#                                          build/bench-host (default 30 days, under a second)
#   bench/soak.sh --windows [DAYS] [SEED]  drawing every frame on the real window and
#                                          saving to the real file, under Wine, from
#                                          build/bench-win (default 3 days, about 20 s a day)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --windows ]; then
    build=build/bench-host
    [ -f "$build/build.ninja" ] || cmake --preset host -B "$build" >/dev/null
    cmake --build "$build" -j2 --target varnok_soak >/dev/null
    exec "$build/bench/varnok_soak" --days "${1:-30}" --seed "${2:-1}"
fi
build=build/bench-win
[ -f "$build/build.ninja" ] || cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" -j2 --target varnok_soak >/dev/null
. bench/wine_session.sh
startWineSession
# A folder of its own without a save file: the soak adopts its first rabbit.
folder=$build/soak
rm -rf "$folder"
mkdir -p "$folder"
cp "$build/bench/varnok_soak.exe" "$folder/"
cd "$folder"
wine varnok_soak.exe --days "${2:-3}" --seed "${3:-1}" | tr -d '\r'
