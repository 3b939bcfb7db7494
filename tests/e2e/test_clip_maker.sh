#!/usr/bin/env bash
# A child opens the clip manager with "Clip", makes a new clip (a dot, a line, a white fill
# around them) and saves it under a name: the clip file is the 64 by 64 picture pixel for pixel,
# inside an olive border, and the browser lists it under "<User's clips>" for stamping.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1

e2e_click "$main" $(e2e_top_button 4)
options=$(e2e_window " Clip Options") || exit 1
e2e_click "$options" 517 165                # New
maker=$(e2e_window "New Clip") || exit 1
sleep 0.3
# The editing area lies at (27, 28) of the window, five screen pixels to a clip pixel.
cell() { echo $((27 + 5 * $1 + 2)) $((28 + 5 * $2 + 2)); }

e2e_click "$maker" $(cell 10 10)             # freehand click: one black pixel
e2e_click "$maker" 558 167                   # line
e2e_drag "$maker" $(cell 5 20) $(cell 40 20)
e2e_click "$maker" 524 167                   # fill
e2e_click "$maker" 411 198                   # white
e2e_click "$maker" $(cell 30 40)
sleep 0.3
e2e_screenshot clip-maker

e2e_click "$maker" 429 323                   # Save
dialog=$(e2e_window "Clip Name") || exit 1
# The full stop cannot be typed into a name, nor replace the name when it is selected.
xdotool windowfocus --sync "$dialog" type --delay 40 "Ro.bot"
xdotool key shift+Home type "."
e2e_screenshot clip-name
xdotool key Return
notice=$(e2e_window "Dabwick") || exit 1
xdotool windowfocus --sync "$notice" key Return
sleep 0.5
options=$(e2e_window " Clip Options") || exit 1
e2e_screenshot clip-options

file="$E2E_DATA/Kid's folder/Dabwick/user's clips/Robot.dwc"
[ -f "$file" ] || e2e_fail "no Robot.dwc was saved"
[ "$(stat -c %s "$file")" = 12342 ] || e2e_fail "Robot.dwc has the wrong size"
# Every pixel: the olive border, the dot and the line in black (the line without its end pixel),
# everything else filled white. The area's pixel (x, y) is the clip's (x + 1, y + 1).
wrong=$(convert "bmp:$file" -depth 8 txt:- | awk -F'[,: ()]+' 'NR > 1 {
    x = $1; y = $2; colour = $3 "," $4 "," $5
    if (x == 0 || y == 0 || x == 63 || y == 63) want = "128,128,0"
    else if ((x == 11 && y == 11) || (y == 21 && x >= 6 && x <= 40)) want = "0,0,0"
    else want = "255,255,255"
    if (colour != want && !bad) bad = x "," y " is " colour ", not " want
    n++
} END { print (bad ? bad : n == 4096 ? "" : n " pixels") }')
[ -z "$wrong" ] || e2e_fail "Robot.dwc: $wrong"

e2e_click "$options" 517 333                 # Close

# The new clip waits under "<User's clips>" and stamps like any other.
e2e_tool "$main" 207
e2e_click "$main" 40 16
xdotool key ctrl+a
xdotool type --delay 60 "<User's clips>"
sleep 0.5
e2e_click "$main" $((6 + 12 + 2 + 32)) $((30 + 8 + 2 + 32))   # slot 1: Robot
xdotool mousemove --window "$main" $(e2e_pad 97 97)
sleep 0.2
e2e_click "$main" $(e2e_pad 100 100)
sleep 0.3
# Stamped with its top left at (68, 68): the dot and the line black, the olive border see-through.
[ "$(e2e_window_pixel "$main" $(e2e_pad 79 79))" = 0,0,0 ] || e2e_fail "the user clip's dot was not stamped"
[ "$(e2e_window_pixel "$main" $(e2e_pad 90 89))" = 0,0,0 ] || e2e_fail "the user clip's line was not stamped"
echo "e2e clip maker: all checks passed"
