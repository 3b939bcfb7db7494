# Shared steps of the end-to-end tests: a private X display, a fresh data folder with a copy of
# the program, and small checks. Source it; call e2e_setup with the built program's path.

e2e_fail() {
    echo "FAIL: $*" >&2
    # What the program said, if anything, tells a crash from a slow machine.
    [ -s "${E2E_ROOT:-}/app.log" ] && tail -n 20 "$E2E_ROOT/app.log" >&2
    exit 1
}

e2e_cleanup() {
    [ -n "${E2E_APP_PID:-}" ] && kill "$E2E_APP_PID" 2>/dev/null
    [ -n "${E2E_XVFB_PID:-}" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    [ -n "${E2E_CUPSD_PID:-}" ] && kill "$E2E_CUPSD_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "${E2E_ROOT:-}" ] && rm -rf "$E2E_ROOT"
}

# e2e_setup [PROGRAM]: copies the program into a fresh folder and starts a private X server.
e2e_setup() {
    E2E_ROOT=$(mktemp -d)
    trap e2e_cleanup EXIT
    E2E_DATA="$E2E_ROOT/Dabwick"
    mkdir -p "$E2E_DATA" "$E2E_ROOT/home" "$E2E_ROOT/run"
    chmod 700 "$E2E_ROOT/run"
    [ -n "${1:-}" ] && cp "$1" "$E2E_DATA/dabwick"
    export HOME="$E2E_ROOT/home" XDG_RUNTIME_DIR="$E2E_ROOT/run" XDG_CONFIG_HOME="$E2E_ROOT/home/.config"
    export QT_QPA_PLATFORM=xcb
    unset SESSION_MANAGER

    # Xvfb picks a free display itself and names it once it is ready, so tests that start
    # at the same moment never share one. Without -noreset it resets whenever its last client
    # (a probe, an xdotool call) leaves, and drops a client that connects during the reset.
    local display
    Xvfb -displayfd 3 -noreset -screen 0 "${E2E_SCREEN:-1280x1024}x24" -nolisten tcp 3>"$E2E_ROOT/display" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    for _ in $(seq 100); do
        display=$(cat "$E2E_ROOT/display" 2>/dev/null)
        if [ -n "$display" ]; then
            export DISPLAY=":$display"
            # Named means listening; a client is still let in only once the server answers.
            for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
            e2e_fail "the X display :$display does not answer"
        fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    e2e_fail "no X display could be started"
}

# e2e_start ARGS...: starts the copied program in the background.
e2e_start() {
    "$E2E_DATA/dabwick" "$@" >"$E2E_ROOT/app.log" 2>&1 &
    E2E_APP_PID=$!
}

# e2e_window TITLE: waits for a visible window of that exact title and prints its id.
# Call it as `id=$(e2e_window ...) || exit 1`: a failure inside $(...) ends only the subshell.
e2e_window() {
    local id pattern
    pattern=$(printf '%s' "$1" | sed 's/[][\.*^$(){}?+|]/\\&/g')
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    e2e_fail "no window titled '$1' appeared"
}

# e2e_wait_gone PID: waits for the process to end.
e2e_wait_gone() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    e2e_fail "process $1 did not end"
}

# Clicks and drags take window points; with E2E_SCALE (the QT_SCALE_FACTOR in use) each lands
# on the last screen pixel of its point, the one a rounding mistake would give to the next point.
e2e_screen() {
    echo $(($1 * ${E2E_SCALE:-1} + ${E2E_SCALE:-1} - 1))
}

# e2e_click WINDOW X Y: a real left click at the window's client point.
e2e_click() {
    xdotool mousemove --window "$1" "$(e2e_screen "$2")" "$(e2e_screen "$3")" click 1
}

# e2e_screenshot NAME: keeps a picture of the screen when E2E_SHOTS names a folder.
e2e_screenshot() {
    [ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/$1.png"
    return 0
}

# e2e_midi_header FILE: prints "format tracks division" of a standard MIDI file.
e2e_midi_header() {
    local bytes
    bytes=$(od -An -tu1 -N14 "$1" | tr -s ' \n' ' ')
    set -- $bytes
    [ "$1 $2 $3 $4" = "77 84 104 100" ] || e2e_fail "$1 is no standard MIDI file"
    echo "$(( $9 * 256 + ${10} )) $(( ${11} * 256 + ${12} )) $(( ${13} * 256 + ${14} ))"
}

# e2e_pixel FILE X Y: prints "r,g,b" of one pixel of a picture file (row 0 at the top).
e2e_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# e2e_drag WINDOW X1 Y1 X2 Y2: a real drag with the left button, in steps.
e2e_drag() {
    local window=$1 x1=$2 y1=$3 x2=$4 y2=$5 i
    xdotool mousemove --window "$window" "$(e2e_screen "$x1")" "$(e2e_screen "$y1")" mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --window "$window" "$(e2e_screen $((x1 + (x2 - x1) * i / 8)))" "$(e2e_screen $((y1 + (y2 - y1) * i / 8)))"
    done
    xdotool mouseup 1
}

# e2e_sign_in NAME: starts the program for a child whose folders exist, signs in and prints the
# main window's id. Call it as `main=$(e2e_sign_in Kid) || exit 1`.
e2e_sign_in() {
    local name
    mkdir -p "$E2E_DATA/$1's folder/Dabwick/user's clips"
    e2e_start "/U$1"
    name=$(e2e_window "Dabwick 2.0") || exit 1
    xdotool windowfocus --sync "$name"
    sleep 0.5
    xdotool key Return
    e2e_window "Picture name: {Untitled}" || exit 1
    sleep 0.5
}

# e2e_top_button N: the window point of the top bar's Nth button, from 0 ("Draw") to 8 ("Quit").
e2e_top_button() {
    echo $((105 + 6 + 76 * $1 + 28)) 23
}

# e2e_save_as MAIN NAME: presses "Save", names the picture and confirms the notice.
e2e_save_as() {
    local dialog notice
    e2e_click "$1" $(e2e_top_button 5)
    dialog=$(e2e_window "Save picture") || exit 1
    xdotool windowfocus --sync "$dialog" type --delay 40 "$2"
    xdotool key Return
    notice=$(e2e_window "Dabwick") || exit 1
    xdotool windowfocus --sync "$notice" key Return
    e2e_window "Picture name: {$2}" >/dev/null || exit 1
}

# e2e_window_pixel WINDOW X Y: prints "r,g,b" of one pixel of the window as it is on screen.
e2e_window_pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Main window points: the pad lies at (105, 46), the tool bar at (105, 490), the strip at (4, 54).
# e2e_pad X Y: the window point of a pad pixel.
e2e_pad() {
    echo $((105 + $1)) $((46 + $2))
}

# e2e_tool WINDOW LEFT: clicks the tool button whose left edge is LEFT in the tool bar.
e2e_tool() {
    e2e_click "$1" $((105 + $2 + 14)) $((490 + 42))
}

# e2e_strip WINDOW LEFT TOP: clicks the middle of the strip square at (LEFT, TOP) of the strip.
e2e_strip() {
    e2e_click "$1" $((4 + $2 + 6)) $((54 + $3 + 6))
}

# e2e_expect_pixel FILE X Y R,G,B WHAT: fails unless the picture file's pixel has that colour.
e2e_expect_pixel() {
    local got
    got=$(e2e_pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || e2e_fail "$5 at ($2, $3) is $got, not $4"
}
