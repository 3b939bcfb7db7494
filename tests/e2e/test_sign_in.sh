#!/usr/bin/env bash
# A child signs in on a fresh data folder: the music files are written, a second copy ends at
# once, a new name gets its folders, and a name passed with /U arrives in the name box.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_start
name=$(e2e_window "Dabwick 2.0") || exit 1
sleep 1
e2e_screenshot name-screen

# The music files are standard MIDI files of their formats.
[ "$(e2e_midi_header "$E2E_DATA/DW Open Music.mid")" = "0 1 120" ] || e2e_fail "opening tune header"
[ "$(e2e_midi_header "$E2E_DATA/DW Animate Music.mid")" = "1 2 384" ] || e2e_fail "animation tune header"

# The program lists itself for launchers; root's first start opens the data files to every
# user but leaves the program file as it was, so no user can replace what root runs.
grep -qx 'FilePath=.*/Dabwick/' "$XDG_CONFIG_HOME/Quillory.ini" || e2e_fail "the registry has no FilePath"
for _ in $(seq 50); do grep -qx 'Flag=1' "$E2E_DATA/dabwick.qy" 2>/dev/null && break; sleep 0.1; done
grep -qx 'Flag=1' "$E2E_DATA/dabwick.qy" || e2e_fail "the access setup was not recorded as done"
[ "$(stat -c %a "$E2E_DATA/coloring pages")" = 777 ] || e2e_fail "the pages folder was not opened to every user"
[ "$(stat -c %a "$E2E_DATA/dabwick")" = 755 ] || e2e_fail "the program file's mode changed"

# A second copy ends at once, silently, without a window.
"$E2E_DATA/dabwick" >/dev/null 2>&1 &
second=$!
e2e_wait_gone "$second"
wait "$second" || e2e_fail "the second copy did not end cleanly"
[ "$(xdotool search --onlyvisible --name '^Dabwick 2.0$' | wc -l)" = 1 ] || e2e_fail "a second name screen opened"

# A new child types a name and answers "New user" with Enter, which says Yes.
xdotool windowactivate --sync "$name" 2>/dev/null || xdotool windowfocus --sync "$name"
xdotool type --delay 40 "Zoe"
xdotool key Return
question=$(e2e_window "New user") || exit 1
e2e_screenshot new-user
xdotool windowfocus --sync "$question" key Return
main=$(e2e_window "Picture name: {Untitled}") || exit 1
sleep 0.5
e2e_screenshot main-window
[ -d "$E2E_DATA/Zoe's folder/Dabwick/user's clips" ] || e2e_fail "the child's folders were not made"
[ "$(stat -c %a "$E2E_DATA/Zoe's folder/Dabwick")" = 777 ] || e2e_fail "the child's folder is not open to every user"

# Quitting an unchanged picture asks nothing and ends the program.
e2e_click "$main" $((105 + 614 + 28)) 23  # "Quit"
e2e_wait_gone "$E2E_APP_PID"

# A name given with /U stands in the name box: OK alone signs in.
e2e_start "/UAnn%bLee"
name=$(e2e_window "Dabwick 2.0") || exit 1
xdotool windowactivate --sync "$name" 2>/dev/null || xdotool windowfocus --sync "$name"
sleep 0.5
xdotool key Return
question=$(e2e_window "New user") || exit 1
xdotool windowfocus --sync "$question" key alt+y
e2e_window "Picture name: {Untitled}" >/dev/null || exit 1
[ -d "$E2E_DATA/Ann Lee's folder/Dabwick" ] || e2e_fail "/U did not put the name in the name box"

echo "e2e sign-in: all checks passed"
