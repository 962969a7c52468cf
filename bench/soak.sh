#!/bin/bash
# The long soak: thirty simulated days (or the days given) of the rabbit's logic on a
# fast clock, built from the host preset in build/bench-host.
#   bench/soak.sh [DAYS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/bench-host
[ -f "$build/build.ninja" ] || cmake --preset host -B "$build" >/dev/null
cmake --build "$build" -j2 --target varnok_soak >/dev/null
exec "$build/bench/varnok_soak" --days "${1:-30}" --seed "${2:-1}"
