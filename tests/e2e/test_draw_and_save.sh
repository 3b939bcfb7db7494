#!/usr/bin/env bash
# A child draws a rectangle, picks pure red on the palette strip, fills the rectangle, makes a
# crayon stroke across its outline and saves: the picture file holds both layers pixel for pixel.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1

e2e_tool "$main" 107                       # rectangle
e2e_drag "$main" $(e2e_pad 100 100) $(e2e_pad 300 250)
e2e_tool "$main" 316                       # fill
e2e_strip "$main" 4 19                     # pure red
e2e_click "$main" $(e2e_pad 200 175)
e2e_tool "$main" 250                       # crayon, still red
e2e_drag "$main" $(e2e_pad 250 175) $(e2e_pad 350 175)
sleep 0.3
e2e_screenshot coloured

e2e_save_as "$main" boat

file="$E2E_DATA/Kid's folder/Dabwick/boat.dwb"
[ "$(stat -c %s "$file")" = 1758294 ] || e2e_fail "boat.dwb has the wrong size"
[ "$(stat -c %s "${file%.dwb}.bmp")" = 879174 ] || e2e_fail "boat.bmp has the wrong size"
# y in the file: 0..443 the picture, 444..887 the line art.
expect() { e2e_expect_pixel "$file" "$@"; }
expect 200 175 255,0,0 "inside of the picture"
expect 200 $((175 + 444)) 255,255,255 "inside of the line art"
expect 330 175 255,0,0 "crayon stroke"
expect 330 $((175 + 444)) 255,255,255 "line art under the crayon stroke"
expect 50 50 255,255,255 "outside of the picture"
for y in 110 150 175 200 240; do
    expect 300 "$y" 0,0,0 "outline in the picture"
    expect 300 $((y + 444)) 0,0,0 "outline in the line art"
done
echo "e2e draw and save: all checks passed"
