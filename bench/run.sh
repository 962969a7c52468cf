#!/bin/bash
# Every benchmark of the program, each beside its yardstick in the same run and under
# the same Wine: start-up and peak memory against a minimal window program, processor
# time while idle, outline cutting, frame cost, and GDI/USER objects over frames and
# dialog openings. Builds what it needs in build/bench-host and build/bench-win, runs
# on a private Xvfb screen, and prints the figures (raw lines in build/bench-win/run/).
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
startWineSession

rm -rf "$run"
mkdir -p "$run"
cp "$win/varnok.exe" "$win/bench/varnok_baseline.exe" "$win/bench/varnok_shell_bench.exe" "$run/"
probe=$root/$host/bench/varnok_launch_probe
freshRabbit() { "$host/bench/varnok_make_save" "$run/rabbit.dat" 300 200; }
rabbit() { freshRabbit; "$probe" --name varnok "$@" -- wine "$run/varnok.exe"; }
baseline() { "$probe" --name baseline "$@" -- wine "$run/varnok_baseline.exe"; }
oneLine() { tr '\n' ' '; echo; }

{
    echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
    echo "nproc=$(nproc)"
    echo "wine=$(wine --version 2>/dev/null)"
    echo "loadavg=$(cut -d' ' -f1-3 /proc/loadavg)"
} >"$run/machine.txt"

# One start of each first: the prefix's files are then in the page cache for both.
rabbit --settle 0 >/dev/null
baseline --settle 0 >/dev/null
: >"$run/startup.txt"
for i in $(seq "$startUps"); do
    { echo -n "program=varnok "; rabbit --settle 2 | oneLine; } >>"$run/startup.txt"
    { echo -n "program=baseline "; baseline --settle 2 | oneLine; } >>"$run/startup.txt"
done

# Free activity is switched on through the popup menu, as a user does.
freeActivity='xdotool mousemove --window $WINDOW 30 40 click 3; sleep 0.5;
xdotool key Down Down Down Down Down Down Return'
{
    echo -n "case=baseline "
    baseline --settle 2 --idle "$idleSeconds" | oneLine
    echo -n "case=standing "
    rabbit --settle 2 --idle "$idleSeconds" | oneLine
    echo -n "case=free_activity "
    rabbit --settle 2 --idle "$idleSeconds" --before-idle "$freeActivity" | oneLine
} >"$run/idle.txt"

freshRabbit
(cd "$run" && wine varnok_shell_bench.exe 10000 500 | tr -d '\r') >"$run/shell.txt"

echo "loadavg_end=$(cut -d' ' -f1-3 /proc/loadavg)" >>"$run/machine.txt"

python3 - "$run" "$idleSeconds" <<'EOF'
import statistics, sys
run, idle = sys.argv[1], float(sys.argv[2])

def records(name):
    rows = []
    for line in open(f"{run}/{name}"):
        rows.append(dict(field.split("=", 1) for field in line.split() if "=" in field))
    return rows

def keyed(name):
    return dict(line.strip().split("=", 1) for line in open(f"{run}/{name}") if "=" in line)

machine = keyed("machine.txt")
print(f"machine: {machine['cpu']}, {machine['nproc']} processors, {machine['wine']}, "
      f"load {machine['loadavg']} at the start and {machine['loadavg_end']} at the end, "
      f"{machine['date']}")

starts = records("startup.txt")
def med(program, field):
    return statistics.median(float(r[field]) for r in starts if r["program"] == program)
def spread(program, field):
    values = sorted(float(r[field]) for r in starts if r["program"] == program)
    return f"{values[0]:.0f}-{values[-1]:.0f}"
v, b = med("varnok", "first_paint_ms"), med("baseline", "first_paint_ms")
n = sum(1 for r in starts if r["program"] == "varnok")
print(f"\nstart-up to first paint, median of {n} alternating starts each:")
print(f"  varnok {v:.0f} ms (range {spread('varnok', 'first_paint_ms')}), "
      f"baseline {b:.0f} ms (range {spread('baseline', 'first_paint_ms')}): "
      f"ratio {v / b:.2f} (target 1.30), difference {v - b:+.0f} ms")
vh, bh = med("varnok", "hwm_kb"), med("baseline", "hwm_kb")
print(f"\npeak resident memory (VmHWM, 2 s after the first paint), median:")
print(f"  varnok {vh / 1024:.1f} MB, baseline {bh / 1024:.1f} MB: "
      f"difference {(vh - bh) / 1024:+.2f} MB (target +2 MB), ratio {vh / bh:.2f}")

print(f"\nidle, {idle:.0f} s from 2 s after the first paint (program; its wineserver):")
for r in records("idle.txt"):
    print(f"  {r['case']:<13} cpu {float(r['cpu_ms']):7.1f} ms ({float(r['cpu_ms']) / idle / 10:.3f}%),"
          f" wakeups {int(r['wakeups']) / idle:6.1f}/s; server cpu {float(r['server_cpu_ms']):6.1f} ms,"
          f" wakeups {int(r['server_wakeups']) / idle:5.1f}/s; peak {int(r['end_hwm_kb']) / 1024:.1f} MB")

s = keyed("shell.txt")
print("\ninside the program (varnok_shell_bench.exe 10000 500):")
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
EOF
