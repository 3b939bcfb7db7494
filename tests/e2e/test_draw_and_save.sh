#!/usr/bin/env bash
# A child draws a rectangle, fills it in the starting colour, makes a crayon stroke across its
# outline and saves: the picture file holds both layers pixel for pixel.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
mkdir -p "$E2E_DATA/Kid's folder/Dabwick/user's clips"

e2e_start "/UKid"
name=$(e2e_window "Dabwick 2.0") || exit 1
xdotool windowfocus --sync "$name"
sleep 0.5
xdotool key Return
main=$(e2e_window "Picture name: {Untitled}") || exit 1
sleep 0.5

# Window points: the tool bar starts at (105, 490), the pad at (105, 46), the strip at (4, 54).
tool() { e2e_click "$main" $((105 + $1 + 14)) $((490 + 42)); }
pad() { echo $((105 + $1)) $((46 + $2)); }

tool 107                                   # rectangle
e2e_drag "$main" $(pad 100 100) $(pad 300 250)
tool 316                                   # fill, in the starting colour 0x202020
e2e_click "$main" $(pad 200 175)
tool 250                                   # crayon, same colour
e2e_drag "$main" $(pad 250 175) $(pad 350 175)
sleep 0.3
e2e_screenshot coloured

e2e_click "$main" $((105 + 386 + 28)) 23   # "Save"
dialog=$(e2e_window "Save picture") || exit 1
xdotool windowfocus --sync "$dialog" type --delay 40 "boat"
xdotool key Return
notice=$(e2e_window "Dabwick") || exit 1
xdotool windowfocus --sync "$notice" key Return
e2e_window "Picture name: {boat}" >/dev/null || exit 1

file="$E2E_DATA/Kid's folder/Dabwick/boat.dwb"
[ "$(stat -c %s "$file")" = 1758294 ] || e2e_fail "boat.dwb has the wrong size"
[ "$(stat -c %s "${file%.dwb}.bmp")" = 879174 ] || e2e_fail "boat.bmp has the wrong size"
expect() {  # expect X Y R,G,B WHAT (y in the file: 0..443 picture, 444..887 line art)
    local got
    got=$(e2e_pixel "$file" "$1" "$2")
    [ "$got" = "$3" ] || e2e_fail "$4 at ($1, $2) is $got, not $3"
}
expect 200 175 32,32,32 "inside of the picture"
expect 200 $((175 + 444)) 255,255,255 "inside of the line art"
expect 330 175 32,32,32 "crayon stroke"
expect 330 $((175 + 444)) 255,255,255 "line art under the crayon stroke"
expect 50 50 255,255,255 "outside of the picture"
for y in 110 150 175 200 240; do
    expect 300 "$y" 0,0,0 "outline in the picture"
    expect 300 $((y + 444)) 0,0,0 "outline in the line art"
done
echo "e2e draw and save: all checks passed"
