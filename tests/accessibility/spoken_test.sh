#!/bin/bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a screen reader is told after Show, a step, a choice and on the board: the program runs on
# a private X server, session bus and accessibility bus, and atspi_listen.py
# checks that the notifications Orca reads aloud carry the sentences.
#   spoken_test.sh TESSALO
# Everything it starts is stopped by process id on exit.
set -u
program=$1
here=$(dirname "$0")
tmp=$(mktemp -d)
mkdir -m 700 "$tmp/run"
pids=()
trap 'for ((i=${#pids[@]}-1; i>=0; i--)); do kill "${pids[i]}" 2>/dev/null; done; sleep 0.3; rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp XDG_CONFIG_HOME=$tmp/config GSETTINGS_BACKEND=memory LANG=C.UTF-8

wait_for() {  # wait_for FILE: until FILE has content, 10 s at most
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
  echo "spoken_test: $1 stayed empty" >&2; exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
pids+=($!)
wait_for "$tmp/display"
export DISPLAY=:$(tr -dc 0-9 <"$tmp/display")

dbus-daemon --session --nofork --nopidfile --address="unix:path=$tmp/run/bus" --print-address=3 \
  3>"$tmp/bus" 2>/dev/null &
pids+=($!)
wait_for "$tmp/bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 100); do
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' \n')
  [ -n "$address" ] && break
  sleep 0.1
done
/usr/libexec/at-spi2-registryd &
pids+=($!)
sleep 0.5

# Show of the first identity at n = 4, then PageDown to n = 5; the second
# identity (Shift+Tab back to the radio buttons, Down), whose picture Show has
# yet to draw, though its cells lie where the first's do; Ctrl+E to the board,
# Down a row, Right a cell, and F9 for that cell's words again. The step says only its news: the
# picture shown is the same identity's. On the board the cell under the cursor takes the focus, its
# words as its name, the picture's shape first on the first
/usr/bin/python3 "$here/atspi_listen.py" "$program" \
  "Сума на първите естествени числа, n е 4, стълба от кръгове в 4 реда, 1 плюс 2 плюс 3 плюс 4 прави 10, колкото е 4 по 5 върху 2." \
  "Стъпката добави 5 кръга. n е 5, общо 15." \
  "Изведи ще начертае стълба от сини квадрати в 5 реда с кафяв диагонал." \
  "Стълба от 5 реда, подравнена вляво, с 1, 2, 3, 4, 5 кръга. ред 1, 1 кръг, колона 1. Кръг 1 от 1, колона 1" \
  "ред 2, 2 кръга, колони 1 и 2. Кръг 1 от 2, колона 1" \
  "ред 2, кръг 2 от 2, колона 2" "ред 2, кръг 2 от 2, колона 2" \
  -- Tab Tab Down Down Down Down Tab Tab Tab space Next shift+Tab Down ctrl+e Down Right F9
