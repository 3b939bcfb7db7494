#!/usr/bin/env bash
# A child prints through a real print queue: a private CUPS server whose default printer is a
# cups-pdf queue (A4, laid out at 300 dots per inch). An uncoloured colouring page comes out with its
# name and blank lines, a drawing filled red all over with "UNTITLED", the child's name and
# today's date, the red picture where the sheet's layout puts it; then Print Page of the
# instructions goes through the same queue.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/print_server.sh"
# Weekday and month names as the C locale writes them, for the program and for `date` alike.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
e2e_setup "$1"
print_server_start
main=$(e2e_sign_in Kid) || exit 1

# print_picture N: presses Print, answers Yes and prints the path of the Nth PDF.
print_picture() {
    local question
    e2e_click "$main" $(e2e_top_button 6)
    question=$(e2e_window "Print picture") || exit 1
    xdotool windowfocus --sync "$question" key y
    sleep 0.5
    e2e_screenshot "printing-$1"
    print_wait_pdf "$1" || exit 1
    # The main window comes back once the wait window has gone.
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name '^Preparing picture$' 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    e2e_fail "the wait window did not close itself"
}

# expect_text PDF TEXT: fails unless the PDF's text holds TEXT on a line of its own.
expect_text() {
    pdftotext -layout "$1" - | sed -E 's/^ +//; s/ +$//' | grep -qxF -- "$2" \
        || e2e_fail "the sheet does not read '$2' but: $(pdftotext "$1" - | tr '\n' '|')"
}

expect_one_page() {
    local pages
    pages=$(pdfinfo "$1" | sed -n 's/^Pages: *//p')
    [ "$pages" = 1 ] || e2e_fail "$2 printed on $pages pages, not one"
}

e2e_click "$main" $(e2e_top_button 1)          # "Color": the butterfly, as it comes
chooser=$(e2e_window "Coloring page selection") || exit 1
sleep 0.3
xdotool windowfocus --sync "$chooser" key Down Down Down
e2e_click "$chooser" $((311 + 37)) $((341 + 12))
e2e_window "Picture name: {Butterfly}" >/dev/null || exit 1
sleep 0.3

pdf=$(print_picture 1) || exit 1
[ -n "${E2E_SHOTS:-}" ] && pdftoppm -r 50 -png -singlefile "$pdf" "$E2E_SHOTS/printed-page"
expect_one_page "$pdf" "the colouring page"
expect_text "$pdf" "BUTTERFLY"
expect_text "$pdf" "By: _______________"
expect_text "$pdf" "Date: _____________"
expect_text "$pdf" 'Powered by "Dabwick" Made with care for young artists everywhere.'

e2e_click "$main" $(e2e_top_button 0)          # "Draw": nothing changed, nothing asked
e2e_window "Picture name: {Untitled}" >/dev/null || exit 1
e2e_tool "$main" 316                           # fill, pure red, the whole blank pad
e2e_strip "$main" 4 19
e2e_click "$main" $(e2e_pad 300 200)
sleep 0.3
pdf=$(print_picture 2) || exit 1
today=$(date '+%A, %B %d, %Y')
expect_one_page "$pdf" "the drawing"
expect_text "$pdf" "UNTITLED"
expect_text "$pdf" "By: Kid"
expect_text "$pdf" "Printed: $today"
expect_text "$pdf" 'Powered by "Dabwick" Made with care for young artists everywhere.'

# The sheet rendered at the 300 dots per inch it was laid out at. Qt keeps 10 points (42
# pixels) of margin around A4's 2480 by 3508 pixels, leaving a printable area of 2395 by 3424;
# there the picture is 2391 by 1594 at (1, 914), so at (43, 956) of the sheet. The way through
# PostScript may move an edge by a pixel.
pdftoppm -r 300 -png -singlefile "$pdf" "$E2E_ROOT/sheet"
[ -n "${E2E_SHOTS:-}" ] && cp "$E2E_ROOT/sheet.png" "$E2E_SHOTS/printed-sheet.png"
red=$(convert "$E2E_ROOT/sheet.png" -fuzz 25% -fill white +opaque red -format '%@' info:)
[[ "$red" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || e2e_fail "no red picture on the sheet ($red)"
near() { [ $(( $1 - $2 )) -le 2 ] && [ $(( $2 - $1 )) -le 2 ]; }
near "${BASH_REMATCH[3]}" 43 && near "${BASH_REMATCH[4]}" 956 && near "${BASH_REMATCH[1]}" 2391 \
    && near "${BASH_REMATCH[2]}" 1594 || e2e_fail "the picture is printed at $red, not 2391x1594+43+956"

e2e_click "$main" $(e2e_top_button 7)          # "Help", then Print Page
help=$(e2e_window "Dabwick <instructions>") || exit 1
sleep 0.5
e2e_click "$help" 644 580
question=$(e2e_window "Print page") || exit 1
xdotool windowfocus --sync "$question" key y
pdf=$(print_wait_pdf 3) || exit 1
# "Getting started" runs over more than one sheet, and every part of it comes out.
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" -ge 2 ] 2>/dev/null || e2e_fail "Print Page printed $pages pages, not the two or more of the page"
text=$(pdftotext "$pdf" -)
[[ "$text" == *"GETTING STARTED:"* && "$text" == *"For grown-ups"* ]] || e2e_fail "Print Page left part of the page out"
echo "e2e print: all checks passed"
