#!/bin/bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the screen reader Orca itself speaks, in its Bulgarian voice, after Show:
# the sentence alone. Told as a plain notification, it would come after the
# role's name ("известяване"). A step taken while the sentence is still being
# spoken cuts it short, Orca's echo of the key too: its news, alone, reaches the
# synthesiser within 1 s of the key.
#   orca_test.sh TESSALO
set -u
here=$(dirname "$0")
sentence="Сума на първите естествени числа, n е 4, стълба от кръгове в 4 реда, 1 плюс 2 плюс 3 плюс 4 прави 10, колкото е 4 по 5 върху 2."
news="Стъпката добави 5 кръга. n е 5, общо 15."
spoken=$(ORCA_CHECK_TIMES=1 ORCA_CHECK_PAUSE=2 bash "$here/../../tools/orca_check.sh" "$1" \
    Tab Tab Down Down Down Down Tab Tab Tab space Next)
case $? in
0) ;;
77) exit 77 ;;  # another Orca of this user, and none can run beside it: said why
*) echo "orca_test: Orca spoke nothing or did not start" >&2; exit 1 ;;
esac
printf '%s\n' "$spoken"
grep -qxF "SPOKE: $sentence" <<<"$spoken" || { echo "orca_test: the sentence after Show was not spoken alone" >&2; exit 1; }
grep -qxF "SPOKE: $news" <<<"$spoken" || { echo "orca_test: the step's news was not spoken alone" >&2; exit 1; }
if grep -q "известяване" <<<"$spoken"; then echo "orca_test: a sentence came as a notification" >&2; exit 1; fi
late=$(awk '/^KEY: [0-9.]+ Next$/ { key = $2 } key && /^HEARD: [0-9.]+ Стъпката добави/ { printf "%.2f", $2 - key; exit }' <<<"$spoken")
[ -n "$late" ] || { echo "orca_test: the step's news was never heard" >&2; exit 1; }
echo "orca_test: the step's news reached the synthesiser $late s after its key"
awk -v late="$late" 'BEGIN { exit !(late <= 1.0) }' || { echo "orca_test: the step's news came $late s late" >&2; exit 1; }
