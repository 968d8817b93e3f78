#!/bin/sh
# Installs the build into a scratch prefix and validates what the desktop sees of it: the
# desktop entry, the AppStream metadata and the icon theme.
# Usage: check_install.sh CMAKE BUILD_DIR ID
set -eu
cmake=$1
build=$2
id=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/can-filter-calculator"

desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
grep -qx 'Categories=Development;Electronics;' "$prefix/share/applications/$id.desktop"
grep -qx 'Name=CAN 接收滤波计算器（支持SJA1000 和 Tarvon CAN Card）' \
    "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

# Each PNG icon is as large as the folder it sits in (width and height from the IHDR chunk).
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [ "$dims" = "$size $size" ] || { echo "$icon is $dims, not $size"; exit 1; }
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
echo "desktop integration valid"
