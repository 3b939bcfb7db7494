#!/usr/bin/env bash
# A child colours two areas of the butterfly and presses "Play": the preparation window comes,
# then the player, which colours the picture in; after it is closed the main window is back
# with the picture as it was, and the player's settings file has been written.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1

e2e_click "$main" $(e2e_top_button 1)          # "Color"
chooser=$(e2e_window "Coloring page selection") || exit 1
sleep 0.3
xdotool windowfocus --sync "$chooser" key Down Down Down   # the butterfly
e2e_click "$chooser" $((311 + 37)) $((341 + 12))
e2e_window "Picture name: {Butterfly}" >/dev/null || exit 1
sleep 0.3
e2e_tool "$main" 316                            # fill
e2e_strip "$main" 4 19                          # pure red: the sky
e2e_click "$main" $(e2e_pad 20 20)
e2e_strip "$main" 49 19                         # pure blue: the oval on the right wing
e2e_click "$main" $(e2e_pad 420 158)
sleep 0.3
pad_before="$E2E_ROOT/before.png"
import -window "$main" -crop 660x444+105+46 +repage "$pad_before"

e2e_click "$main" $(e2e_top_button 3)          # "Play"
e2e_window "Animator" >/dev/null || exit 1
sleep 0.5
e2e_screenshot preparation
# The preparation and the player share their caption; the player is the large one.
player=""
for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name '^Animator$' 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" = 704 ] && player=$id
    done
    [ -n "$player" ] && break
    sleep 0.1
done
[ -n "$player" ] || e2e_fail "the player did not open"
xdotool search --onlyvisible --name '^Picture name' >/dev/null 2>&1 && e2e_fail "the main window stayed up"

# Two regions: the first after about 7.7 s, the second 15.5 s later. Start comes back at the end
# (no sound card here, so no tune to wait for).
panel_x=$((3 + 5 + 11)) panel_y=$((2 + 6 + 11))   # the play image inside the centred panels
sleep 3
[ "$(e2e_window_pixel "$player" $((panel_x + 20)) $((panel_y + 20)))" = 255,255,255 ] \
    || e2e_fail "the player did not start from the line drawing"
sleep 6
e2e_screenshot player-mid-animation
done_colouring=""
for _ in $(seq 40); do
    sky=$(e2e_window_pixel "$player" $((panel_x + 20)) $((panel_y + 20)))
    oval=$(e2e_window_pixel "$player" $((panel_x + 420)) $((panel_y + 158)))
    [ "$sky,$oval" = "255,0,0,0,0,255" ] && { done_colouring=yes; break; }
    sleep 1
done
[ -n "$done_colouring" ] || e2e_fail "the animation did not colour both areas (sky $sky, oval $oval)"
sleep 1
e2e_screenshot player-complete

e2e_click "$player" $((3 + 5 + 583 + 37)) $((2 + 481 + 20 + 12))   # "Close"
e2e_window "Picture name: {Butterfly}" >/dev/null || exit 1
sleep 0.5
pad_after="$E2E_ROOT/after.png"
import -window "$main" -crop 660x444+105+46 +repage "$pad_after"
[ "$(compare -metric AE "$pad_before" "$pad_after" null: 2>&1)" = 0 ] || e2e_fail "the picture changed on the way"

settings="$E2E_DATA/Kid's folder/Dabwick/Dw Player.ini"
[ -f "$settings" ] || e2e_fail "Dw Player.ini was not written"
grep -qx 'Maximized=0' "$settings" || e2e_fail "Dw Player.ini lacks Maximized=0"
grep -qx 'Music On=1' "$settings" || e2e_fail "Dw Player.ini lacks Music On=1"
echo "e2e animation: all checks passed"
