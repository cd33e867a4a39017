#!/usr/bin/env bash
# What the calculator opens from its start until its window has shown and
# drawn: no icon engine plugin and no icon theme file (a theme icon belongs to
# a menu and is looked up when the menu opens), no image format plugin (the
# window icon is compiled in) and no CUPS library (loaded on the first print).
# A list of files, not a timing, so it cannot flake.
#
#   bash startup_files_test.sh PROGRAM WINDOW_PROBE
#
# The window probe, preloaded, ends the program once its window has been shown
# and the event loop has run a moment; strace records every path the program
# and its threads ask for until then, found or not: a lookup that finds
# nothing on this machine would find a theme or a plugin on another.
set -euo pipefail
program=$1
probe=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

strace -f -qq -o /dev/null true 2>"$work/strace.err" ||
    { echo "strace cannot trace here: $(cat "$work/strace.err")"; exit 77; }

# A sanitized build's runtimes must come before anything preloaded. Its leak
# check cannot stop the program's threads while strace traces them; the
# sanitized suite checks leaks everywhere else.
preload=$probe
runtimes=$(ldd "$program" | awk '/lib(asan|ubsan)\.so/ { print $3 }' | paste -sd:)
[ -z "$runtimes" ] || preload="$runtimes:$probe"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

QT_QPA_PLATFORM=offscreen LD_PRELOAD=$preload strace -f -qq -e trace=%file -o "$work/trace" \
    "$program" >"$work/out" 2>"$work/err" || { cat "$work/out" "$work/err"; exit 1; }

grep -q '^window title=' "$work/out" || { echo "the window was not shown:"; cat "$work/out" "$work/err"; exit 1; }
# The trace sees the libraries loaded, so a library missing from it was not.
grep -q 'libQt6Widgets\.so' "$work/trace" || { echo "strace saw no library loaded"; exit 1; }

if grep -E 'iconengines|/\.icons|/share/icons|/share/pixmaps|icon-theme\.cache|imageformats|libcups' "$work/trace"; then
    echo "the start-up above opened, or looked for, an icon engine, an icon theme, an image format plugin or CUPS"
    exit 1
fi
