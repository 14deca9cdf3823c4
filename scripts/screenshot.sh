#!/usr/bin/env bash
# Regenerates the README's picture of the window from a release build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset release --target tessalo_screenshot
QT_QPA_PLATFORM=offscreen build/release/src/ui/tessalo_screenshot docs/screenshot.png "$@"
echo "wrote docs/screenshot.png"
