#!/bin/bash
# Every benchmark of the program, each beside its yardstick in the same run and under
# the same Wine: start-up and peak memory against a minimal window program, processor
# time while idle, outline cutting, frame cost, and GDI/USER objects over frames and
# dialog openings. Builds what it needs in build/bench-host and build/bench-win, runs
# on a private Xvfb screen at 96 DPI, then at 192 DPI on a screen twice the size, and
# prints the figures (raw lines in build/bench-win/run/DPI/).
#   bench/run.sh [START_UPS] [IDLE_SECONDS]      (defaults 15 and 60; BENCH_DISPLAY=:61)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
startUps=${1:-15}
idleSeconds=${2:-60}
host=build/bench-host
win=build/bench-win
run=$win/run

[ -f "$host/build.ninja" ] || cmake --preset host -B "$host" >/dev/null
[ -f "$win/build.ninja" ] || cmake --preset windows -B "$win" >/dev/null
cmake --build "$host" -j2 --target varnok_launch_probe varnok_make_save >/dev/null
cmake --build "$win" -j2 --target varnok varnok_baseline varnok_shell_bench >/dev/null

. bench/wine_session.sh

rm -rf "$run"
probe=$root/$host/bench/varnok_launch_probe
oneLine() { tr '\n' ' '; echo; }

# measure DPI SCREEN [idle]: every figure at one display DPI, in a prefix of that DPI on a
# screen of that size, into $run/DPI/.
measure() {
    local dpi=$1 size=$2 withIdle=${3:-}
    local out=$run/$dpi
    startWineSession "$dpi" "$size"
    mkdir -p "$out"
    cp "$win/varnok.exe" "$win/bench/varnok_baseline.exe" "$win/bench/varnok_shell_bench.exe" "$out/"
    freshRabbit() { "$host/bench/varnok_make_save" "$out/rabbit.dat" 300 200; }
    rabbit() { freshRabbit; "$probe" --name varnok "$@" -- wine "$out/varnok.exe"; }
    baseline() { "$probe" --name baseline "$@" -- wine "$out/varnok_baseline.exe"; }

    {
        echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
        echo "cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
        echo "nproc=$(nproc)"
        echo "wine=$(wine --version 2>/dev/null)"
        echo "screen=$size"
        echo "loadavg=$(cut -d' ' -f1-3 /proc/loadavg)"
    } >"$out/machine.txt"

    # One start of each first: the prefix's files are then in the page cache for both.
    rabbit --settle 0 >/dev/null
    baseline --settle 0 >/dev/null
    : >"$out/startup.txt"
    for i in $(seq "$startUps"); do
        { echo -n "program=varnok "; rabbit --settle 2 | oneLine; } >>"$out/startup.txt"
        { echo -n "program=baseline "; baseline --settle 2 | oneLine; } >>"$out/startup.txt"
    done

    if [ -n "$withIdle" ]; then
        # Free activity is switched on through the popup menu, as a user does.
        local freeActivity='xdotool mousemove --window $WINDOW 30 40 click 3; sleep 0.5;
xdotool key Down Down Down Down Down Down Return'
        {
            echo -n "case=baseline "
            baseline --settle 2 --idle "$idleSeconds" | oneLine
            echo -n "case=standing "
            rabbit --settle 2 --idle "$idleSeconds" | oneLine
            echo -n "case=free_activity "
            rabbit --settle 2 --idle "$idleSeconds" --before-idle "$freeActivity" | oneLine
        } >"$out/idle.txt"
    fi

    freshRabbit
    (cd "$out" && wine varnok_shell_bench.exe 10000 500 | tr -d '\r') >"$out/shell.txt"
    echo "loadavg_end=$(cut -d' ' -f1-3 /proc/loadavg)" >>"$out/machine.txt"
    endWineSession
}

# 100 %, and 200 % on a screen twice the size, where the rabbit is drawn in 2 x 2 blocks.
measure 96 1024x768 idle
measure 192 2048x1536

python3 - "$run" "$idleSeconds" <<'EOF'
import os, statistics, sys
run, idle = sys.argv[1], float(sys.argv[2])

def records(path):
    rows = []
    for line in open(path):
        rows.append(dict(field.split("=", 1) for field in line.split() if "=" in field))
    return rows

def keyed(path):
    return dict(line.strip().split("=", 1) for line in open(path) if "=" in line)

# Targets beyond the yardstick by DPI: the start-up ratio, and the memory in MB.
targets = {"96": (1.10, 1.5), "192": (1.10, 2.5)}
dpis = sorted((d for d in os.listdir(run) if d.isdigit()), key=int)
shells = {}
for dpi in dpis:
    at = f"{run}/{dpi}"
    machine = keyed(f"{at}/machine.txt")
    print(f"== {dpi} DPI, screen {machine['screen']}: {machine['cpu']}, {machine['nproc']} processors, "
          f"{machine['wine']}, load {machine['loadavg']} at the start and {machine['loadavg_end']} "
          f"at the end, {machine['date']}")
    ratioTarget, memoryTarget = targets.get(dpi, (1.10, 2.5))

    starts = records(f"{at}/startup.txt")
    def med(program, field):
        return statistics.median(float(r[field]) for r in starts if r["program"] == program)
    def spread(program, field):
        values = sorted(float(r[field]) for r in starts if r["program"] == program)
        return f"{values[0]:.0f}-{values[-1]:.0f}"
    v, b = med("varnok", "first_paint_ms"), med("baseline", "first_paint_ms")
    n = sum(1 for r in starts if r["program"] == "varnok")
    print(f"start-up to first paint, median of {n} alternating starts each:")
    print(f"  varnok {v:.0f} ms (range {spread('varnok', 'first_paint_ms')}), "
          f"baseline {b:.0f} ms (range {spread('baseline', 'first_paint_ms')}): "
          f"ratio {v / b:.2f} (target {ratioTarget:.2f}), difference {v - b:+.0f} ms")
    vh, bh = med("varnok", "hwm_kb"), med("baseline", "hwm_kb")
    print(f"peak resident memory (VmHWM, 2 s after the first paint), median:")
    print(f"  varnok {vh / 1024:.1f} MB, baseline {bh / 1024:.1f} MB: "
          f"difference {(vh - bh) / 1024:+.2f} MB (target +{memoryTarget} MB), ratio {vh / bh:.2f}")

    if os.path.exists(f"{at}/idle.txt"):
        print(f"idle, {idle:.0f} s from 2 s after the first paint (program; its wineserver):")
        for r in records(f"{at}/idle.txt"):
            print(f"  {r['case']:<13} cpu {float(r['cpu_ms']):7.1f} ms ({float(r['cpu_ms']) / idle / 10:.3f}%),"
                  f" wakeups {int(r['wakeups']) / idle:6.1f}/s; server cpu {float(r['server_cpu_ms']):6.1f} ms,"
                  f" wakeups {int(r['server_wakeups']) / idle:5.1f}/s; peak {int(r['end_hwm_kb']) / 1024:.1f} MB")

    s = shells[dpi] = keyed(f"{at}/shell.txt")
    print("inside the program (varnok_shell_bench.exe 10000 500):")
    print(f"  window creation (bitmaps, outlines, show): {s['window_creation_ms']} ms")
    print(f"  the 34 master outlines: {s['regions_ms']} ms, median of {s['region_builds']} builds "
          f"({s['region_per_picture_ms']} ms a picture)")
    print(f"  frame change (region copy + paint): {s['frame_change_fps']} frames/s = "
          f"{s['frame_change_ms']} ms, {s['frame_change_headroom']}x the 150 ms pace; "
          f"paint alone {s['paint_only_fps']} frames/s (frame change costs "
          f"{s['frame_change_over_paint_only']}x a paint)")
    print(f"  objects after the window: GDI {s['created_gdi']}, USER {s['created_user']} "
          f"(GetGuiResources reports {s['created_gdi_reported']}/{s['created_user_reported']})")
    print(f"  growth over {s['frames']} frames: GDI {s['frames_gdi_growth']}, USER {s['frames_user_growth']}")
    for d in ("about", "status", "items", "settings", "bonus"):
        print(f"  {d:<8} x{s[d + '_openings']}: {s[d + '_open_ms']} ms an opening; first 10 "
              f"GDI {s[d + '_first_openings_gdi_growth']:>2} USER {s[d + '_first_openings_user_growth']:>2}; "
              f"after them GDI {s[d + '_gdi_growth']}, USER {s[d + '_user_growth']}, "
              f"working set {s[d + '_working_set_growth_kb']} kB")
    print(f"  objects at the end: GDI {s['after_dialogs_gdi']}, USER {s['after_dialogs_user']}; "
          f"working set {int(s['created_working_set_kb']) // 1024} MB after creation, "
          f"{int(s['after_dialogs_working_set_kb']) // 1024} MB at the end")
    print()

if "96" in shells and "192" in shells:
    ratio = float(shells["192"]["frame_change_ms"]) / float(shells["96"]["frame_change_ms"])
    print(f"a frame change at 192 DPI costs {ratio:.2f}x one at 96 DPI (target 1.5x)")
EOF
