#!/usr/bin/env bash
# Builds the Debian package from the build tree, installs it with apt as a
# user would, starts the installed /usr/bin/torvane on Qt's offscreen platform
# and looks at the window it shows, then removes the package.
#
#   deb_package_test.sh BUILD_DIR WINDOW_PROBE_LIBRARY
#
# The window is seen from inside the installed program: the probe library
# (window_probe.cpp), preloaded, reports the visible window's title, size,
# number of controls, the font its labels got and how many colours its picture
# has, then ends the program. Nothing in the program is there for the test,
# and no display is needed.
#
# Needs root (exits 77, a skip, otherwise). A torvane package installed before
# the test is replaced and, like the test's own, removed at the end.
set -euo pipefail
build=$1
probe=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "installing a package needs root: skipped"
    exit 77
fi

work=$(mktemp -d)
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -q "$@"; }
cleanup() {
    if dpkg-query -W -f='${Status}' torvane 2>/dev/null | grep -q 'install ok installed'; then
        apt_get remove torvane >/dev/null || echo "could not remove the torvane package" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
debs=("$work"/torvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single torvane_*.deb"; exit 1; }
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-liberation libcups2 qt6-translations-l10n libqt6widgets6; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || { echo "FAIL: the package does not depend on $needed"; exit 1; }
done

[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "FAIL: the package does not recommend qt6-wayland"; exit 1; }

(cd "$work" && apt_get install --reinstall --no-install-recommends "./$(basename "$deb")" >/dev/null)
[ "$(command -v torvane)" = /usr/bin/torvane ] || { echo "FAIL: no torvane on the PATH after installing"; exit 1; }
dpkg -L torvane | grep -qx /usr/share/applications/org.torvane.torvane.desktop ||
    { echo "FAIL: the package has no desktop entry"; exit 1; }

# The installed program, as a desktop with the environment given starts it.
run_installed() {
    status=0
    report=$(cd "$work" && env "$@" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work LD_PRELOAD=$probe \
        timeout 30 /usr/bin/torvane 2>"$work/stderr") || status=$?
    echo "$report"
    if [ "$status" -ne 0 ]; then
        echo "FAIL: /usr/bin/torvane ended with status $status"
        cat "$work/stderr"
        exit 1
    fi
}

expect() {
    grep -q -- "$1" <<<"$report" || { echo "FAIL: the window shows no $1"; exit 1; }
}

run_installed -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC LANG=C.UTF-8
[ "$(grep -c '^window ' <<<"$report")" -eq 1 ] || { echo "FAIL: not exactly one window shown"; exit 1; }
expect "title=Torvane - Quenvar "
expect " controls=37 "
# The labels' face comes from the fonts-liberation dependency.
expect " label_font=Liberation Serif "
colours=$(sed -n 's/.* colours=\([0-9]*\).*/\1/p' <<<"$report")
[ "${colours:-0}" -ge 3 ] || { echo "FAIL: the window's picture has ${colours:-0} colours: nothing drawn"; exit 1; }
expect "words stroke=Stroke cancel=Cancel decimal=\.$"

# Words follow the message language, Qt's buttons with them from the
# qt6-translations-l10n dependency; numbers follow LC_NUMERIC alone.
run_installed -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC LANGUAGE=de LANG=en_US.UTF-8
expect "words stroke=Hub cancel=Abbrechen decimal=\.$"
run_installed -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8
expect "words stroke=Stroke cancel=Cancel decimal=,$"
run_installed -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC LANG=de_AT.UTF-8
expect "words stroke=Hub cancel=Abbrechen decimal=,$"
run_installed -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC LANGUAGE=en_GB:de LANG=de_DE.UTF-8
expect "words stroke=Stroke cancel=Cancel decimal=,$"
echo "installed package: the window is shown"
