#!/usr/bin/env bash
# At a scale factor of 2 the main window is twice its size, one-pixel lines drawn with real
# mouse events (each on the last screen pixel of its point) land on the pixels pointed at, show
# on screen as sharp two-pixel bands, and are saved exactly.
set -u
. "$(dirname "$0")/lib.sh"
export QT_SCALE_FACTOR=2 E2E_SCALE=2 E2E_SCREEN=1800x1400
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1
xdotool getwindowgeometry "$main" | grep -q 'Geometry: 1564x1128' || e2e_fail "the main window is not twice 782x564"

e2e_tool "$main" 73                                    # line
for _ in 1 2 3 4; do e2e_tool "$main" 473; done        # width 5 down to 1
e2e_drag "$main" $(e2e_pad 40 100) $(e2e_pad 360 100)
e2e_drag "$main" $(e2e_pad 200 20) $(e2e_pad 200 300)
sleep 0.3
# Across each line on screen, from one pixel before it to one after: white, black, black, white.
read -r x y < <(e2e_pad 100 100)
read -r vx vy < <(e2e_pad 200 50)
for i in -1 0 1 2; do
    [ "$i" = -1 ] || [ "$i" = 2 ] && want=255,255,255 || want=0,0,0
    [ "$(e2e_window_pixel "$main" $((2 * x)) $((2 * y + i)))" = "$want" ] || e2e_fail "level line, screen row $i"
    [ "$(e2e_window_pixel "$main" $((2 * vx + i)) $((2 * vy)))" = "$want" ] || e2e_fail "upright line, screen column $i"
done

e2e_save_as "$main" lines
for at in "40 100" "100 100" "359 100" "200 20" "200 150" "200 299"; do
    e2e_expect_pixel "$E2E_DATA/Kid's folder/Dabwick/lines.bmp" $at 0,0,0 "the line"
done
for at in "39 100" "100 99" "100 101" "361 100" "200 19" "199 150" "201 150" "200 301"; do
    e2e_expect_pixel "$E2E_DATA/Kid's folder/Dabwick/lines.bmp" $at 255,255,255 "beside the line"
done
echo "e2e large screen: all checks passed"
