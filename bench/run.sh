#!/usr/bin/env bash
# The calculator's start-up, memory and procedure benchmark, in one command:
#
#   bash bench/run.sh [RUNS] [--against PROGRAM]...
#
# RUNS launches of each program, at least 20 (default 30). --against adds
# another build of the calculator (say, build/release/src/torvane of an older
# checkout) to the same launches, in its own column, so that two builds are
# compared on one display at one load.
#
# Installs what is missing (scripts/setup.sh, then bench/packages.txt), builds
# the release calculator and the benchmark programs in build/release, starts
# its own virtual X server (Xvfb) and prints one table:
#
# - launch to window mapped, and to its first drawing: the calculator, the
#   floor (bench/floor_window.cpp, the same 37 controls with the same captions,
#   places, label fonts and colours, and no behaviour) and any other build
#   launched in turn, each round starting with the next program, RUNS times
#   each, by bench/map_watch.cpp, which times fork() to the X server's
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
# The ratios are each calculator's over the floor's, medians over medians.
set -euo pipefail

usage() {
    echo "usage: bash bench/run.sh [RUNS >= 20] [--against PROGRAM]..." >&2
    exit 2
}
runs=30
against=()
while [ $# -gt 0 ]; do
    case $1 in
        --against)
            [ $# -ge 2 ] && [ -x "$2" ] || usage
            against+=("$(realpath "$2")")
            shift 2 ;;
        *) runs=$1; shift ;;
    esac
done
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 20 ] || usage
cd "$(dirname "$0")/.."
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

# Launched in turn, each round starting one further along, so that no
# program always follows the same one.
programs=("$calculator" "$floor" "${against[@]}")
titles=("$title" "$floor_title")
for _ in "${against[@]}"; do titles+=("$title"); done
count=${#programs[@]}
echo "Launching ${count} programs in turn, $runs times each, on display :$display; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for i in "${!programs[@]}"; do launch "${titles[$i]}" "${programs[$i]}" /dev/null; done  # warms the file cache; not counted
for round in $(seq 0 $((runs - 1))); do
    for step in $(seq 0 $((count - 1))); do
        i=$(((round + step) % count))
        launch "${titles[$i]}" "${programs[$i]}" "$work/launches.$i"
    done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

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
row() {  # WHAT KEY UNIT: the calculator, the floor, the ratio, then each other build and its ratio
    local medians=()
    for i in "${!programs[@]}"; do medians+=("$(median "$work/launches.$i" "$2")"); done
    awk -v what="$1" -v unit="$3" -v medians="${medians[*]}" 'BEGIN {
        n = split(medians, m, " ")
        printf "%-34s %10.1f %-3s %10.1f %-3s %7.3fx", what, m[1], unit, m[2], unit, m[1] / m[2]
        for (i = 3; i <= n; ++i) printf " %10.1f %-3s %7.3fx", m[i], unit, m[i] / m[2]
        printf "\n"
    }'
}

echo
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), Debian $(cat /etc/debian_version)"
echo "Medians of $runs launches each, alternating, on one Xvfb; load average after: $load_after"
for i in "${!against[@]}"; do echo "against $((i + 1)): ${against[$i]}"; done
printf '%-34s %14s %14s %8s' "" "calculator" "floor" "ratio"
for i in "${!against[@]}"; do printf ' %14s %8s' "against $((i + 1))" "ratio"; done
printf '\n'
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
