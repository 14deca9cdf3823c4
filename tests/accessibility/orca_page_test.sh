#!/bin/bash
# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca speaks of the page in Chromium, in its Bulgarian voice, as the
# window's screen-reader test hears the window: Show pressed on the picture
# already shown says its sentence again, and two steps taken 1.4 s apart with
# Show keeping the keyboard each say their news first, before anything of the
# list of n they change, within 1.5 s of their key (Orca's echo of the key,
# which nothing on a page can cut short, comes before it). Then a guess: its
# verdict, typed from the quotation's box, comes with the step's line, where
# the keyboard goes, said once. Last, Ctrl+E and Right walk the picture: the
# arrow reaches the page, which says the next cell, rather than Orca's reading
# of the page as a document.
#   orca_page_test.sh SITE_DIR
set -u
here=$(dirname "$0")
site=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "orca_page_test: the page's server did not start" >&2; exit 1; }
cat >"$work/page.sh" <<EOF
#!/bin/bash
exec chromium --no-sandbox --test-type --force-renderer-accessibility --no-first-run \\
    --disable-features=Translate --user-data-dir="\$HOME/chromium" "http://127.0.0.1:$port/#kind=4&n=3"
EOF
chmod +x "$work/page.sh"
sentence="Сума на първите нечетни числа, n е 3, квадрат 3 по 3 от ъглови ивици, редуващи се бели и сини от горния ляв ъгъл, 1 плюс 3 плюс 5 прави 9, колкото е 3 по 3."
news=("Стъпката добави 7 квадрата. n е 4, общо 16." "Стъпката добави 9 квадрата. n е 5, общо 25.")
# the page opens on the proof's box: five stops on (the quotation, the list, Clear, the group) is Show
spoken=$(ORCA_CHECK_TIMES=1 ORCA_CHECK_PAUSE=0.6 ORCA_CHECK_SETTLE=5 bash "$here/../../tools/orca_check.sh" "$work/page.sh" \
    wait:5 Tab Tab Tab Tab Tab wait:1 space wait:5 Next wait:1.4 Next wait:3 \
    shift+Tab shift+Tab shift+Tab shift+Tab F3 wait:5 Next wait:5 1 1 Return wait:4 down:ctrl e up:ctrl wait:5 Right wait:2)
case $? in
0) ;;
77) exit 77 ;;  # another Orca of this user, and none can run beside it: said why
*) echo "orca_page_test: Orca spoke nothing or did not start" >&2; exit 1 ;;
esac
printf '%s\n' "$spoken"
after_show=$(awk '/^KEY: [0-9.]+ space$/ { key = 1; next } key && /^HEARD: / && !/^HEARD: [0-9.]+ интервал/ { sub(/^HEARD: [0-9.]+ /, ""); print; exit }' <<<"$spoken")
[ "$after_show" = "$sentence" ] || { echo "orca_page_test: after Show heard «$after_show»" >&2; exit 1; }
first=$(awk '/^KEY: [0-9.]+ Next$/ { if (++steps > 2) exit; key = 1; next } key && /^HEARD: / && !/^HEARD: [0-9.]+ page down/ { sub(/^HEARD: [0-9.]+ /, ""); print; key = 0 }' <<<"$spoken")
[ "$first" = "$(printf '%s\n' "${news[@]}")" ] || { printf 'orca_page_test: heard first after the steps:\n%s\n' "$first" >&2; exit 1; }
late=$(awk '/^KEY: [0-9.]+ Next$/ { key = ++steps <= 2 ? $2 : 0 } key && /^HEARD: [0-9.]+ Стъпката добави/ { late = $2 - key; if (late > most) most = late; key = 0 }
            END { printf "%.2f", most }' <<<"$spoken")
echo "orca_page_test: the slower step's news reached the synthesiser $late s after its key"
awk -v late="$late" 'BEGIN { exit !(late <= 1.5) }' || { echo "orca_page_test: the step's news came $late s late" >&2; exit 1; }
verdict=$(awk '/^KEY: [0-9.]+ Return$/ { key = 1; next } /^KEY: / { key = 0 } key && /^HEARD: / { sub(/^HEARD: [0-9.]+ /, ""); print }' <<<"$spoken")
grep -q "^Вярно, стъпката добави 11 квадрата. n е 6, общо 36. Стъпката добавя" <<<"$verdict" &&
    [ "$(grep -c "^SPOKE: .*Стъпката добавя 2 k плюс 1 равно на 11" <<<"$spoken")" = 1 ] ||
    { printf 'orca_page_test: heard after the guess:\n%s\n' "$verdict" >&2; exit 1; }
walked=$(awk '/^KEY: [0-9.]+ Right$/ { key = 1; next } key && /^HEARD: / && !/Списък с/ { sub(/^HEARD: [0-9.]+ /, ""); print; exit }' <<<"$spoken")
[[ "$walked" == "ред 1, квадрат 2 от "* ]] || { echo "orca_page_test: after Right on the board heard «$walked»" >&2; exit 1; }
