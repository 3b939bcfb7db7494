#!/usr/bin/env bash
# The first start writes the built-in clips. A child chooses the clip tool, stamps the letter A,
# types "Animals", selects the first animal, flips it left to right, stamps it twice and saves:
# each layer of the saved picture holds the flipped clip, black on white, pixel for pixel.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
main=$(e2e_sign_in Kid) || exit 1

clips="$E2E_DATA/Clips"
[ "$(find "$clips" -mindepth 1 -type d | wc -l)" = 10 ] || e2e_fail "the first start did not write ten categories"
sizes=$(find "$clips" -type f -printf '%s\n' | sort -n | uniq -c | awk '{printf "%s:%s ", $2, $1}')
[ "$sizes" = "2166:96 5174:1 12342:7 " ] || e2e_fail "the clip files have the wrong sizes: $sizes"

# Panel points: slot 1 of the browser, the left-right flip button, the category box.
slot1="$((6 + 12 + 2 + 32)) $((30 + 8 + 2 + 32))"
fliplr="$((6 + 34 + 12)) $((427 + 96 + 12))"
stamp() {
    xdotool mousemove --window "$main" $(e2e_pad $(($1 - 3)) $(($2 - 3)))
    sleep 0.2
    e2e_click "$main" $(e2e_pad "$1" "$2")
    sleep 0.2
}

e2e_tool "$main" 207                             # the clip tool: "<Text>" is showing
e2e_click "$main" $slot1                         # the letter A
stamp 100 100
e2e_click "$main" 40 16
xdotool key ctrl+a
xdotool type --delay 60 "Animals"
sleep 0.5
e2e_click "$main" $slot1                         # "Angry fish", the first animal
e2e_click "$main" $fliplr
stamp 300 200
stamp 500 300
e2e_screenshot stamped
e2e_save_as "$main" stamps

file="$E2E_DATA/Kid's folder/Dabwick/stamps.dwb"
[ -f "$file" ] || e2e_fail "stamps.dwb was not written"
# The clip flipped, its red background white as the pad under it.
expected="$E2E_ROOT/expected.png"
convert "$clips/Animals/Angry fish.dwc" -flop -fill white -opaque red -type truecolor "$expected"
for at in "268 168" "468 268" "268 612" "468 712"; do
    set -- $at
    convert "$file" -crop "64x64+$1+$2" +repage -type truecolor "$E2E_ROOT/stamp.png"
    differ=$(compare -metric AE "$expected" "$E2E_ROOT/stamp.png" null: 2>&1)
    [ "$differ" = 0 ] || e2e_fail "the stamp at ($1, $2) differs from the flipped clip in $differ pixels"
done
letter=$(convert "$file" -crop 64x64+68+68 +repage -unique-colors -depth 8 txt:- | tail -n +2 | grep -c .)
[ "$letter" = 2 ] || e2e_fail "the letter stamp holds $letter colours, not black and white"
e2e_expect_pixel "$file" 200 30 255,255,255 "the pad beside the stamps"
echo "e2e clips: all checks passed"
