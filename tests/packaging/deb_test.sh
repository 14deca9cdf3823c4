#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cpack -G DEB builds a package whose dependencies come from the libraries the
# binary links, plus the font, and which holds every installed file.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > /dev/null
deb=$(ls "$out"/tessalo_*.deb)
info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<< "$info")
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-liberation qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$needed" <<< "$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
id=bg.tessalo.Tessalo
for file in ./usr/bin/tessalo ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/32x32/apps/$id.png; do
  grep -q " $file\$" <<< "$contents" || { echo "the package lacks $file"; exit 1; }
done
echo "deb: $(basename "$deb"), Depends: $depends"
