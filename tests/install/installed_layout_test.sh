#!/usr/bin/env bash
# Installs the build tree into a scratch directory as `cmake --install` would
# under /usr, and checks that a desktop finds everything: the AppStream data
# validates together with the desktop entry it launches, which is named after
# it, the entry starts an installed program and names an icon the hicolor
# theme has in every size and scalable, and the release the software centre
# shows is this version.
#
#   installed_layout_test.sh BUILD_DIR VERSION APP_ID ICON_SIZE...
set -euo pipefail
build=$1
version=$2
app_id=$3
icon_sizes=("${@:4}")

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

validation=$(appstreamcli validate-tree --pedantic --no-net "$root" 2>&1) || fail "appstreamcli validate-tree"
echo "$validation"
! grep -qE '[EWIP]: ' <<<"$validation" || fail "appstreamcli validate-tree --pedantic has remarks"

entry=$share/applications/$app_id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$entry"; }

program=$(key Exec | cut -d' ' -f1)
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not an installed program"

icon=$(key Icon)
[ ${#icon_sizes[@]} -ge 8 ] || fail "only ${#icon_sizes[@]} icon sizes: ${icon_sizes[*]}"
for wanted in "${icon_sizes[@]}"; do
    png=$share/icons/hicolor/${wanted}x${wanted}/apps/$icon.png
    if [ -f "$png" ]; then
        # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
        size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
        [ "$size" = "${wanted}x${wanted}" ] || fail "$png is $size"
    else
        fail "no ${wanted}x${wanted} icon $icon.png"
    fi
done
svg=$share/icons/hicolor/scalable/apps/$icon.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon $icon.svg"

metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
grep -q "<id>$app_id</id>" "$metainfo" || fail "the AppStream id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch $app_id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
[ "$newest" = "$version" ] || fail "the newest release in the AppStream data is '$newest', the project is $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed layout: all checks passed"
