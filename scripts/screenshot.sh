#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates the README's picture of the window: the release build runs on an
# Xvfb of its own and is driven with the keyboard, by default to the odd
# numbers (kind 4) at n = 5; or give KIND N, and keys to type after Show.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset release --target tessalo tessalo_screenshot
out=${OUT:-docs/screenshot.png}
build/release/tools/tessalo_screenshot "$out" "${1:-4}" "${2:-5}" "${@:3}"
echo "wrote $out"
