#!/bin/bash
# Every benchmark of the program, each beside its yardstick in the same run and under
# the same Wine: start-up and peak memory against a minimal window program, processor
# time while idle (also standing on a window), outline cutting, frame cost, GDI/USER
# objects over frames and dialog openings, and a look at 100 windows to walk on. Builds what it needs in build/bench-host and build/bench-win, runs
# on a private Xvfb screen at 96 DPI, then at 192 DPI on a screen twice the size, then
# standing and wandering again on one monitor and on three, and prints the figures (raw
# lines in build/bench-win/run/DPI/ and run/monitors-N/).
#   bench/run.sh [START_UPS] [IDLE_SECONDS]      (defaults 15 and 60; BENCH_DISPLAY=:61)
#   bench/run.sh --monitors [IDLE_SECONDS]       only one monitor against three
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [ "${1:-}" = --monitors ]; then
    monitorsOnly=yes idleSeconds=${2:-60}
else
    monitorsOnly='' startUps=${1:-15} idleSeconds=${2:-60}
fi
host=build/bench-host
win=build/bench-win
run=$win/run

[ -f "$host/build.ninja" ] || cmake --preset host -B "$host" >/dev/null
[ -f "$win/build.ninja" ] || cmake --preset windows -B "$win" >/dev/null
cmake --build "$host" -j2 --target varnok_launch_probe varnok_make_save >/dev/null
cmake --build "$win" -j2 --target varnok varnok_baseline varnok_shell_bench varnok_perch_bench \
    >/dev/null

. bench/wine_session.sh

rm -rf "$run"
probe=$root/$host/bench/varnok_launch_probe
oneLine() { tr '\n' ' '; echo; }
# The programs of the measurement in progress, started from its folder $out.
freshRabbit() { "$host/bench/varnok_make_save" "$out/rabbit.dat" 300 200; }
rabbit() { freshRabbit; "$probe" --name varnok "$@" -- wine "$out/varnok.exe"; }
baseline() { "$probe" --name baseline "$@" -- wine "$out/varnok_baseline.exe"; }

# describeMachine SCREEN: the facts printed beside the figures.
describeMachine() {
    echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
    echo "nproc=$(nproc)"
    echo "wine=$(wine --version 2>/dev/null)"
    echo "screen=$1"
    echo "loadavg=$(cut -d' ' -f1-3 /proc/loadavg)"
}

# idleCase CASE: processor time and wakeups over the idle seconds from 2 s after the first
# paint, one line: the yardstick (baseline), the rabbit standing, standing on another
# program's window while it walks on windows, or with free activity switched on through the
# popup menu, as a user does.
idleCase() {
    local freeActivity='xdotool mousemove --window $WINDOW 30 40 click 3; sleep 0.5;
xdotool key Down Down Down Down Down Down Return'
    echo -n "case=$1 "
    case $1 in
    baseline) baseline --settle 2 --idle "$idleSeconds" ;;
    standing) rabbit --settle 2 --idle "$idleSeconds" ;;
    perched)
        wine "$out/varnok_perch_bench.exe" --windows 1 &
        printf '[varnok]\r\nperch=1\r\n' >"$out/varnok.ini"
        rabbit --settle 2 --idle "$idleSeconds"
        rm "$out/varnok.ini"
        kill $! ;;
    free_activity) rabbit --settle 2 --idle "$idleSeconds" --before-idle "$freeActivity" ;;
    esac | oneLine
}

# measure DPI SCREEN [idle]: every figure at one display DPI, in a prefix of that DPI on a
# screen of that size, into $run/DPI/.
measure() {
    local dpi=$1 size=$2 withIdle=${3:-}
    local out=$run/$dpi
    startWineSession "$dpi" "$size"
    mkdir -p "$out"
    cp "$win/varnok.exe" "$win/bench/varnok_baseline.exe" "$win/bench/varnok_shell_bench.exe" \
        "$win/bench/varnok_perch_bench.exe" "$out/"
    describeMachine "$size" >"$out/machine.txt"

    # One start of each first: the prefix's files are then in the page cache for both.
    rabbit --settle 0 >/dev/null
    baseline --settle 0 >/dev/null
    : >"$out/startup.txt"
    for i in $(seq "$startUps"); do
        { echo -n "program=varnok "; rabbit --settle 2 | oneLine; } >>"$out/startup.txt"
        { echo -n "program=baseline "; baseline --settle 2 | oneLine; } >>"$out/startup.txt"
    done

    if [ -n "$withIdle" ]; then
        { idleCase baseline; idleCase standing; idleCase perched; idleCase free_activity; } \
            >"$out/idle.txt"
    fi

    freshRabbit
    (cd "$out" && wine varnok_shell_bench.exe 10000 500 | tr -d '\r') >"$out/shell.txt"
    (cd "$out" && wine varnok_perch_bench.exe 1000 | tr -d '\r') >"$out/perch.txt"
    echo "loadavg_end=$(cut -d' ' -f1-3 /proc/loadavg)" >>"$out/machine.txt"
    endWineSession
}

# measureMonitors HEADS: standing and wandering with the rabbit on the main one of these
# monitors (see tools/wine-monitors.sh), added to $run/monitors-COUNT/.
measureMonitors() {
    local heads=$1 out
    out=$run/monitors-$(tr ',' '\n' <<<"$heads" | wc -l)
    startMonitorsSession "$heads"
    mkdir -p "$out"
    cp "$win/varnok.exe" "$out/"
    { describeMachine "$(monitors_screen "$heads")"; echo "monitors=$heads"; } >"$out/machine.txt"
    rabbit --settle 0 >/dev/null
    { idleCase standing; idleCase free_activity; } >>"$out/idle.txt"
    echo "loadavg_end=$(cut -d' ' -f1-3 /proc/loadavg)" >>"$out/machine.txt"
    endWineSession
}

if [ -z "$monitorsOnly" ]; then
    # 100 %, and 200 % on a screen twice the size, where the rabbit is drawn in 2 x 2 blocks.
    measure 96 1024x768 idle
    measure 192 2048x1536
fi
# The walks read the monitors once, not at every step: on one monitor and on three (a
# 1024 x 768 one each side of the main 1280 x 1024) they must cost the same. Two rounds
# by turns, so that a change in the machine's load falls on both.
for _ in 1 2; do
    measureMonitors 1280x1024+0+0
    measureMonitors 1280x1024+1024+0,1024x768+0+0,1024x768+2304+0
done

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

def printIdle(path):
    print(f"idle, {idle:.0f} s from 2 s after the first paint (program; its wineserver):")
    for r in records(path):
        print(f"  {r['case']:<13} cpu {float(r['cpu_ms']):7.1f} ms ({float(r['cpu_ms']) / idle / 10:.3f}%),"
              f" wakeups {int(r['wakeups']) / idle:6.1f}/s; server cpu {float(r['server_cpu_ms']):6.1f} ms,"
              f" wakeups {int(r['server_wakeups']) / idle:5.1f}/s; peak {int(r['end_hwm_kb']) / 1024:.1f} MB")

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
        printIdle(f"{at}/idle.txt")

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
    p = keyed(f"{at}/perch.txt")
    print(f"walking on windows (varnok_perch_bench.exe 1000), {p['windows']} windows of another program:")
    print(f"  a look: {p['look_ms']} ms, median of {p['looks']}; reading the windows {p['read_ms']} ms, "
          f"judging the ledge {p['judge_us']} us; the quarter-second look standing still "
          f"{p['still_ms']} ms")
    print()

layouts = sorted(d for d in os.listdir(run) if d.startswith("monitors-"))
for layout in layouts:
    machine = keyed(f"{run}/{layout}/machine.txt")
    print(f"== {layout[9:]} monitor(s), {machine['monitors']} on {machine['screen']}: load "
          f"{machine['loadavg']} at the start and {machine['loadavg_end']} at the end, {machine['date']}")
    printIdle(f"{run}/{layout}/idle.txt")
def sums(path, field):
    total = {}
    for r in records(path):
        total[r["case"]] = total.get(r["case"], 0) + float(r[field])
    return total

if len(layouts) == 2:
    paths = [f"{run}/{d}/idle.txt" for d in layouts]
    (cpu1, cpu3), (wake1, wake3) = ([sums(p, f) for p in paths] for f in ("cpu_ms", "wakeups"))
    for case in cpu1:
        print(f"{case}, {layouts[1][9:]} monitors against 1 over all rounds: cpu {cpu3[case]:.1f} / "
              f"{cpu1[case]:.1f} ms, wakeups {wake3[case]:.0f} / {wake1[case]:.0f} (target: the same)")
print()

if "96" in shells and "192" in shells:
    ratio = float(shells["192"]["frame_change_ms"]) / float(shells["96"]["frame_change_ms"])
    print(f"a frame change at 192 DPI costs {ratio:.2f}x one at 96 DPI (target 1.5x)")
EOF
