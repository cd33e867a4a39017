#!/usr/bin/env bash
# The calculator's start-up, memory and procedure benchmark, in one command:
#
#   bash bench/run.sh [RUNS]        RUNS launches of each program, at least 20 (default 30)
#
# Installs what is missing (scripts/setup.sh, then bench/packages.txt), builds
# the release calculator and the benchmark programs in build/release, starts
# its own virtual X server (Xvfb) and prints one table:
#
# - launch to window mapped, and to its first drawing: the calculator and the
#   floor (bench/floor_window.cpp, the same 37 controls with the same captions,
#   places, label fonts and colours, and no behaviour) launched in turn, RUNS
#   times each, by bench/map_watch.cpp, which times fork() to the X server's
#   MapNotify and to its first DAMAGE report for the window; in wall-clock
#   time, and in the processor time the program had used by then, which a busy
#   machine moves much less;
# - memory once the window is shown and has painted: peak RSS (VmHWM) and PSS
#   (/proc/PID/smaps_rollup) of the same launches;
# - whether the calculator touched CUPS before its window was shown (strace);
# - Calculate, leaving bore and leaving compthick, 1,000 times each inside the
#   window (bench/procedure_timing.cpp, offscreen): median, 99th percentile and
#   longest wall-clock time, and the 99th percentile of the processor time.
#
# The ratios are calculator over floor, medians over medians.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-30}
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 20 ] || { echo "usage: bash bench/run.sh [RUNS >= 20]" >&2; exit 2; }
settle_ms=300
title="Torvane - Quenvar"
floor_title="Torvane floor"

bash scripts/setup.sh
mapfile -t packages < <(grep -v '^#' bench/packages.txt | grep .)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset release -DTORVANE_BENCH=ON >/dev/null
cmake --build --preset release
calculator=build/release/src/torvane
floor=build/release/bench/torvane_floor
watch=build/release/bench/torvane_map_watch
procedures=build/release/bench/torvane_procedure_timing

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <"$work/display" || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

launch() {  # TITLE PROGRAM OUTPUT
    "$watch" --settle-ms "$settle_ms" "$1" "$2" >>"$3" 2>>"$work/programs.log" ||
        { echo "launching $2 failed:" >&2; tail -5 "$work/programs.log" >&2; exit 1; }
}

echo "Launching the calculator and the floor in turn, $runs times each, on display :$display"
launch "$title" "$calculator" /dev/null  # warms the file cache for both; not counted
launch "$floor_title" "$floor" /dev/null
for _ in $(seq "$runs"); do
    launch "$title" "$calculator" "$work/calculator"
    launch "$floor_title" "$floor" "$work/floor"
done

strace -f -qq -e trace=connect,openat -o "$work/strace" \
    "$watch" --settle-ms "$settle_ms" "$title" "$calculator" >/dev/null 2>>"$work/programs.log"
if grep -v ENOENT "$work/strace" | grep -qi cups; then cups=yes; else cups=no; fi

echo "Timing the procedures inside the window, 1000 times each"
QT_QPA_PLATFORM=offscreen "$procedures" 1000 >"$work/procedures" 2>>"$work/programs.log" ||
    { echo "the procedure timing failed:" >&2; tail -5 "$work/programs.log" >&2; exit 1; }

median() {  # FILE KEY
    sed -n "s/.*\\b$2=\\([0-9.]*\\).*/\\1/p" "$1" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
field() {  # NAME KEY
    sed -n "s/^$1 .*\\b$2=\\([0-9.]*\\).*/\\1/p" "$work/procedures"
}
row() {  # WHAT KEY UNIT
    awk -v what="$1" -v unit="$3" -v a="$(median "$work/calculator" "$2")" -v b="$(median "$work/floor" "$2")" \
        'BEGIN { printf "%-34s %10.1f %-3s %10.1f %-3s %7.3fx\n", what, a, unit, b, unit, a / b }'
}

echo
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), Debian $(cat /etc/debian_version)"
echo "Medians of $runs launches each, alternating, on one Xvfb"
printf '%-34s %14s %14s %8s\n' "" "calculator" "floor" "ratio"
row "launch to window mapped" map_ms ms
row "launch to first drawing" paint_ms ms
row "  CPU time to window mapped" map_cpu_ms ms
row "  CPU time to first drawing" paint_cpu_ms ms
row "peak RSS (VmHWM), window shown" hwm_kib KiB
row "PSS (smaps_rollup), window shown" pss_kib KiB
printf '%-34s %14s\n' "CUPS touched before window shown" "$cups"
echo
echo "1000 runs each, inside the window (offscreen)"
printf '%-34s %14s %14s %14s %14s\n' "" "median" "99th pct" "max" "99th pct CPU"
for procedure in calculate bore_leave compthick_leave; do
    printf '%-34s %11s us %11s us %11s us %11s us\n' "$procedure" "$(field "$procedure" median_us)" \
        "$(field "$procedure" p99_us)" "$(field "$procedure" max_us)" "$(field "$procedure" cpu_p99_us)"
done
