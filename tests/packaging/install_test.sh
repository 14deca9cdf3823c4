#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install into a staging folder puts the program, its desktop entry,
# icons and AppStream metadata in their standard places, and they validate.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" > /dev/null

id=bg.tessalo.Tessalo
for file in bin/tessalo share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/32x32/apps/$id.png; do
  [ -s "$stage/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$stage/bin/tessalo" ] || { echo "bin/tessalo is not executable"; exit 1; }
file "$stage/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || { echo "the PNG icon is not 32 × 32"; exit 1; }
python3 -c 'import sys, xml.etree.ElementTree as t; r = t.parse(sys.argv[1]).getroot(); assert r.tag.endswith("svg")' \
  "$stage/share/icons/hicolor/scalable/apps/$id.svg"
grep -q '^Name\[bg\]=' "$stage/share/applications/$id.desktop"
grep -q '^Comment\[bg\]=' "$stage/share/applications/$id.desktop"
grep -q '^Categories=Education;Math;$' "$stage/share/applications/$id.desktop"
desktop-file-validate "$stage/share/applications/$id.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml"
echo "install: all in place and valid"
