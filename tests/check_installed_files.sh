#!/usr/bin/env bash
# Installs the built program into a scratch folder and checks it as a Linux desktop sees it: the
# executable, a valid desktop entry whose Exec and Icon name installed files, valid AppStream
# metainfo, and the icon as a 128×128 PNG in the hicolor theme.
#     check_installed_files.sh <build folder> [cmake]
set -euo pipefail
build=$1
cmake=${2:-cmake}
app_id=org.tivak.tivak

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$stage/usr" >/dev/null

for file in usr/bin/tivak \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/128x128/apps/$app_id.png" \
    usr/share/doc/tivak/LICENSES.md; do
    [[ -f $stage/$file ]] || fail "$file is not installed"
done
[[ -x $stage/usr/bin/tivak ]] || fail "usr/bin/tivak is not executable"

desktop=$stage/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"

# Software centres show a content rating; an empty OARS rating says there is nothing to warn of.
grep -q '<content_rating type="oars-1.1"' "$stage/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo has no OARS content rating"

# What the desktop entry promises has to be there.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(entry Name) == "tîvak" ]] || fail "the desktop entry's name is '$(entry Name)'"
[[ ";$(entry Categories)" == *";Education;"* ]] || fail "the desktop entry is not in Education"
[[ -x $stage/usr/bin/$(entry Exec) ]] || fail "Exec=$(entry Exec) is not an installed program"
icon=$stage/usr/share/icons/hicolor/128x128/apps/$(entry Icon).png
[[ -f $icon ]] || fail "Icon=$(entry Icon) has no icon in the hicolor theme"
file --brief "$icon" | grep -q "PNG image data, 128 x 128, 8-bit/color RGBA" ||
    fail "the icon is not a 128×128 PNG with alpha: $(file --brief "$icon")"

if ((failures > 0)); then
    exit 1
fi
echo "installed files: all checks passed"
