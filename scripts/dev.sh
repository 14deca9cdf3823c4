#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tessalo and builds it, then
#   run:  opens the window;
#   test: runs every test without a display.
# It asks for sudo only to install missing packages.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-svg-dev  # the icon, and pictures saved as SVG
  qt6-translations-l10n  # the toolkit's own texts in Bulgarian
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation  # the metric twin of Times New Roman, with Cyrillic
  xvfb xauth
  valgrind python3
  xdotool  # types keys into the real window in the desktop tests
  openbox x11-utils  # a window manager for full screen in those tests, and xprop
  desktop-file-utils appstream dpkg-dev file  # the packaging tests
  poppler-utils  # reads saved PDFs back as pixels in the tests
)

install_missing() {
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake --preset "$1"
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    install_missing
    build release
    exec build/release/src/ui/tessalo
    ;;
  test)
    install_missing
    build release
    ctest --preset release
    # the core must build and pass on its own, without Qt
    build core
    ctest --preset core
    # the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
    build sanitize
    ctest --preset sanitize
    bash scripts/memcheck.sh release
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
