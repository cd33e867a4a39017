#!/usr/bin/env bash
# Installs the build tree into a scratch directory as `cmake --install` would
# under /usr, and checks that a desktop finds everything: the AppStream data
# validates, pedantic, together with the desktop entry it launches, which is
# named after its id; the entry starts an installed program and names an icon
# the hicolor theme has in every size, and the release the software centre
# shows is this version.
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

validation=$(appstreamcli validate-tree --pedantic --no-net "$root") || fail "appstreamcli validate-tree"
! grep -E '[EWIP]: ' <<<"$validation" || fail "appstreamcli validate-tree --pedantic has remarks"

metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
app_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
entry=$share/applications/$app_id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$entry"; }

program=$(key Exec | cut -d' ' -f1)
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not an installed program"

icon=$(key Icon)
for size in 16 22 24 32 48 64 128 256; do
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    drawn=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$drawn" = "${size}x${size}" ] || fail "no ${size}x${size} icon $icon.png"
done
svg=$share/icons/hicolor/scalable/apps/$icon.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon $icon.svg"

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch $app_id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
[ "$newest" = "$version" ] || fail "the newest release in the AppStream data is '$newest', the project is $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed layout: all checks passed"
