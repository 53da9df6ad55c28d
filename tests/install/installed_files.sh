#!/usr/bin/env bash
# The installed desktop entry and AppStream metadata pass their validators, and the icon they
# name is there at every size the desktop asks for, with that size.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

share=$prefix/share
desktop_entry=$share/applications/pl.veldo.Tintabel.desktop
check "the desktop entry is valid" test -z "$(desktop-file-validate "$desktop_entry" 2>&1)"
check "the metainfo is valid" appstreamcli validate --no-net \
    "$share/metainfo/pl.veldo.Tintabel.metainfo.xml"

icon=$(sed -n 's/^Icon=//p' "$desktop_entry")
png_size() { # width x height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}
for size in 16 24 32 48 64 128 256; do
    file=$share/icons/hicolor/${size}x$size/apps/$icon.png
    check "$file is ${size}x$size" test "$(png_size "$file" 2>/dev/null)" = "${size}x$size"
done
check "the scalable icon" grep -q '<svg' "$share/icons/hicolor/scalable/apps/$icon.svg"

for file in "fm colours09.xml" "fm colours0809.xml" config.xml configm.xml standard.jpg \
    help/help.html help/pomoc.html; do
    check "shipped: $file" test -s "$share/veldo-tintabel/$file"
done
check "the licence" cmp -s "$(dirname "${BASH_SOURCE[0]}")/../../LICENSE" "$share/doc/veldo-tintabel/LICENSE"
check "the manual page" test -s "$share/man/man1/tintabel.1.gz"
