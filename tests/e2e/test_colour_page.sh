#!/usr/bin/env bash
# A child presses "Color", chooses the butterfly, fills three areas in three colours, saves it
# under a new name, starts a new drawing and loads the picture back: the pad and the files show
# the colours inside the page's lines.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1

pages="$E2E_DATA/coloring pages"
[ "$(ls "$pages" | grep -c '\.dwp$')" = 36 ] || e2e_fail "the first start did not write 36 pages"
[ "$(stat -c %s "$pages/Butterfly.dwp")" = 37358 ] || e2e_fail "Butterfly.dwp has the wrong size"

e2e_click "$main" $(e2e_top_button 1)          # "Color"
chooser=$(e2e_window "Coloring page selection") || exit 1
sleep 0.3
e2e_screenshot page-chooser
# The list starts at "Beware of dog" and has the focus; the butterfly is the fourth entry.
xdotool windowfocus --sync "$chooser" key Down Down Down
e2e_click "$chooser" $((311 + 37)) $((341 + 12))   # OK
e2e_window "Picture name: {Butterfly}" >/dev/null || exit 1
sleep 0.3

# Loading a page leaves the crayon; the fill tool colours whole areas.
e2e_tool "$main" 316
e2e_strip "$main" 4 19                          # pure red: the sky
e2e_click "$main" $(e2e_pad 20 20)
e2e_strip "$main" 49 19                         # pure blue: the oval on the right wing
e2e_click "$main" $(e2e_pad 420 158)
e2e_strip "$main" 19 19                         # pure green: the ground
e2e_click "$main" $(e2e_pad 330 430)
sleep 0.3
e2e_screenshot coloured-page

e2e_save_as "$main" "my butterfly"            # typed over the offered "Butterfly"
e2e_click "$main" $(e2e_top_button 0)          # "Draw": the saved picture asks nothing
e2e_window "Picture name: {Untitled}" >/dev/null || exit 1
[ "$(e2e_window_pixel "$main" $(e2e_pad 20 20))" = 255,255,255 ] || e2e_fail "Draw did not clear the pad"

e2e_click "$main" $(e2e_top_button 2)          # "Load"
chooser=$(e2e_window "User picture selection") || exit 1
sleep 0.3
e2e_click "$chooser" $((311 + 37)) $((341 + 12))   # OK on the only picture
e2e_window "Picture name: {my butterfly}" >/dev/null || exit 1
sleep 0.3
e2e_screenshot loaded-picture

# Pad pixel, then the same pixel of the picture and of the line art in the saved file.
file="$E2E_DATA/Kid's folder/Dabwick/my butterfly.dwb"
[ "$(stat -c %s "$file")" = 1758294 ] || e2e_fail "the saved picture has the wrong size"
[ "$(stat -c %s "${file%.dwb}.bmp")" = 879174 ] || e2e_fail "the saved copy has the wrong size"
check() {  # check X Y PICTURE-R,G,B LINE-ART-R,G,B WHAT
    local on_pad
    on_pad=$(e2e_window_pixel "$main" $(e2e_pad "$1" "$2"))
    [ "$on_pad" = "$3" ] || e2e_fail "$5 on the pad at ($1, $2) is $on_pad, not $3"
    e2e_expect_pixel "$file" "$1" "$2" "$3" "$5 in the picture"
    e2e_expect_pixel "$file" "$1" $(($2 + 444)) "$4" "$5 in the line art"
    e2e_expect_pixel "${file%.dwb}.bmp" "$1" "$2" "$3" "$5 in the copy"
}
check 20 20 255,0,0 255,255,255 "the sky"
check 645 15 255,0,0 255,255,255 "the sky far from the click"
check 420 158 0,0,255 255,255,255 "the oval"
check 330 430 0,255,0 255,255,255 "the ground"
check 44 100 0,0,0 0,0,0 "the wing's outline"
check 160 150 255,255,255 255,255,255 "the wing left white"
echo "e2e colour a page: all checks passed"
