#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a Debian 12 machine for Tessalo and builds it, then
#   run:  opens the window;
#   test: runs every test without a display;
#   web:  builds the web page and serves it on http://localhost:8000/.
# It asks for sudo only to install missing packages.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  libfast-float-dev  # reads numbers as std::from_chars does, where the library lacks it
  qt6-base-dev libgl-dev
  libxcb1-dev  # a window destroyed by another X client: noticed by the window, done by the desktop tests
  qt6-svg-dev  # the icon, and pictures saved as SVG
  libgif-dev  # the step saved as an animated GIF
  qt6-multimedia-dev  # the picture played as sound
  liblouis-dev  # braille: the tactile sheet's titles and keys, and the proof as BRF
  qt6-translations-l10n  # the toolkit's own texts in Bulgarian
  qt6-tools-dev qt6-l10n-tools  # lupdate, lrelease and CMake's qt_add_lupdate for translations/window
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation  # the metric twin of Times New Roman, with Cyrillic
  fonts-dejavu-core  # the superscripts Liberation lacks: 2ⁿ⁻¹, 2ᵏ
  xvfb xauth
  valgrind python3
  xdotool  # types keys into the real window in the desktop tests
  openbox x11-utils  # a window manager for full screen in those tests, and xprop
  dbus at-spi2-core python3-pyatspi  # a private accessibility bus, to hear what a screen reader is told
  orca speech-dispatcher speech-dispatcher-espeak-ng pulseaudio pulseaudio-utils  # the screen reader itself,
  locales x11-xkb-utils procps  # in its Bulgarian voice (tools/orca_check.sh)
  desktop-file-utils appstream dpkg-dev file  # the packaging tests
  poppler-utils  # reads saved PDFs back as pixels in the tests
  reuse  # checks that every file says its licence
)

# --- the web page ---
# emscripten builds the core as WebAssembly; googletest's sources build its tests
# for it, which run under Node; chromium is the headless browser of the page's
# tests and benchmarks, driven by Playwright (tests/web/package-lock.json, which
# downloads no browser); rsvg-convert draws the page's PNG icons from the SVG one.
packages+=(emscripten googletest chromium librsvg2-bin)
# Node: the distribution's, unless another build of it (which brings its own npm) is installed
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
# (The web preset points Node at the distribution's JavaScript modules, which
# emscripten's tools need: a Node of another build does not look there.)

# Playwright for the page's tests, exactly as the lock file names it.
install_page_tools() {
  (cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
}
# --- end of the web page ---

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
    exec build/release/src/main/tessalo
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
    # the core's tests again as WebAssembly under Node, then the page in headless Chromium
    install_page_tools
    build web
    ctest --preset web
    ;;
  web)
    install_missing
    build web
    echo "Serving build/web/site on http://localhost:8000/ (Ctrl+C stops)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build/web/site 8000
    ;;
  *)
    echo "usage: $0 run|test|web" >&2
    exit 2
    ;;
esac
