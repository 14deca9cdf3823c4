#!/bin/bash

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the screen reader Orca itself speaks, in its Bulgarian voice, after Show:
# the sentence alone. Told as a plain notification, it would come after the
# role's name ("известяване"), and a braille display would show it for a few
# seconds only; it stays there until the focus moves. Two steps, taken in the
# quotation's text box, cut short what is being said, Orca's echo of the key
# too: each step's news, alone, reaches the synthesiser within 1 s of its key.
# F9 twice says the step's whole sentence twice; then F2 says the argument's line
# the keyboard goes to, after the list, and a guess's verdict comes at its Enter,
# the next step's question after it.
#   orca_test.sh TESSALO
set -u
here=$(dirname "$0")
sentence="Сума на първите естествени числа, n е 4, стълба от кръгове в 4 реда, 1 плюс 2 плюс 3 плюс 4 прави 10, колкото е 4 по 5 върху 2."
news=("Стъпката добави 5 кръга. n е 5, общо 15." "Стъпката добави 6 кръга. n е 6, общо 21.")
spoken=$(ORCA_CHECK_TIMES=1 ORCA_CHECK_BRAILLE=1 ORCA_CHECK_PAUSE=2 bash "$here/../../tools/orca_check.sh" "$1" \
    Tab Tab Down Down Down Down Tab Tab Tab space wait:6 shift+Tab shift+Tab shift+Tab shift+Tab Next Next F9 F9 F2 wait:4 F3 Next 7 Return wait:3 Next wait:2)
case $? in
0) ;;
77) exit 77 ;;  # another Orca of this user, and none can run beside it: said why
*) echo "orca_test: Orca spoke nothing or did not start" >&2; exit 1 ;;
esac
printf '%s\n' "$spoken"
grep -qxF "SPOKE: $sentence" <<<"$spoken" || { echo "orca_test: the sentence after Show was not spoken alone" >&2; exit 1; }
# a message Orca only flashes gives the braille display back to the line it covered
kept=$(awk -v said="$sentence" '/^BRAILLE: / { line = substr($0, 10)
    if (shown) { print (line == before ? "flashed" : "kept"); exit }
    if (index(line, said)) shown = 1; else before = line }' <<<"$spoken")
[ "$kept" = kept ] || { echo "orca_test: the sentence after Show was not kept on the braille line (${kept:-not shown})" >&2; exit 1; }
for said in "${news[@]}"; do  # the second step's too, told as the first was
    grep -qxF "SPOKE: $said" <<<"$spoken" || { echo "orca_test: «$said» was not spoken alone" >&2; exit 1; }
done
# after each of the two steps' keys, nothing but the key's echo comes before its news
first=$(awk '/^KEY: [0-9.]+ Next$/ { key = ++steps <= 2; next } key && /^HEARD: / && !/^HEARD: [0-9.]+ page down/ { sub(/^HEARD: [0-9.]+ /, ""); print; key = 0 }' <<<"$spoken")
[ "$first" = "$(printf '%s\n' "${news[@]}")" ] || { printf 'orca_test: heard first after the steps:\n%s\n' "$first" >&2; exit 1; }
if grep -q "известяване" <<<"$spoken"; then echo "orca_test: a sentence came as a notification" >&2; exit 1; fi
# F9 says the last sentence whole, each time: a second said nothing once
repeated=$(sed -n '/^KEY: [0-9.]* F9$/,$p' <<<"$spoken" | grep -c "^HEARD: [0-9.]* Стъпката добави 6 кръга\. Сума на първите")
[ "$repeated" -ge 2 ] || { echo "orca_test: F9 twice was heard $repeated time(s)" >&2; exit 1; }
# F2 takes the keyboard to the argument's lines: the line it is on is said after the list
grep -q "^HEARD: [0-9.]* P от n, 1 плюс 2" <<<"$(sed -n '/^KEY: [0-9.]* F2$/,$p' <<<"$spoken")" ||
    { echo "orca_test: F2 left the argument's line unsaid" >&2; exit 1; }
# a guess's verdict comes first after Enter, before what the keyboard moves to
verdict=$(awk '/^KEY: [0-9.]+ Return$/ { key = 1; next } key && /^HEARD: / && !/^HEARD: [0-9.]+ return/ { sub(/^HEARD: [0-9.]+ /, ""); print; exit }' <<<"$spoken")
[[ "$verdict" == "Вярно, стъпката добави 7 кръга."* ]] || { echo "orca_test: heard first after the guess: $verdict" >&2; exit 1; }
# the next step's question, though the verdict's line, where the reader stood, went with the step
grep -q "^HEARD: [0-9.]* n е 8\. Колко кръга ще добави стъпката" <<<"$(tac <<<"$spoken" | sed '/^KEY: [0-9.]* Next$/q' | tac)" ||
    { echo "orca_test: the question after the verdict was not heard" >&2; exit 1; }
late=$(awk '/^KEY: [0-9.]+ Next$/ { key = $2 } key && /^HEARD: [0-9.]+ Стъпката добави/ { printf "%.2f", $2 - key; exit }' <<<"$spoken")
[ -n "$late" ] || { echo "orca_test: the step's news was never heard" >&2; exit 1; }
echo "orca_test: the step's news reached the synthesiser $late s after its key"
awk -v late="$late" 'BEGIN { exit !(late <= 1.0) }' || { echo "orca_test: the step's news came $late s late" >&2; exit 1; }
