#!/usr/bin/env bash
# Installs the build tree into a scratch directory as `cmake --install` would
# under /usr, and checks that a desktop finds everything: the AppStream data
# validates together with the desktop entry it launches, the entry starts an
# installed program and names an icon the hicolor theme has in both sizes,
# and the release the software centre shows is this version.
#
#   installed_layout_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

entry=$share/applications/torvane.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$entry"; }

program=$(key Exec | cut -d' ' -f1)
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not an installed program"

icon=$(key Icon)
png=$share/icons/hicolor/32x32/apps/$icon.png
svg=$share/icons/hicolor/scalable/apps/$icon.svg
if [ -f "$png" ]; then
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$size" = 32x32 ] || fail "$icon.png is $size, not 32x32"
else
    fail "no 32x32 icon $icon.png"
fi
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon $icon.svg"

metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
grep -q "<launchable type=\"desktop-id\">torvane.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch torvane.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
[ "$newest" = "$version" ] || fail "the newest release in the AppStream data is '$newest', the project is $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed layout: all checks passed"
