#!/usr/bin/env bash
# The Debian package as a parent installs it: it builds, lintian finds no errors, and the program
# unpacked from it, in windows of the desktop entry's class with an icon, signs a new child in,
# keeping the child's folder in the user's data folder and nothing beside itself.
# Arguments: the build folder and the desktop id.
set -u
. "$(dirname "$0")/lib.sh"
(cd "$1" && cpack >/dev/null) || e2e_fail "cpack did not build the package"
deb=$(ls -t "$1"/dabwick_*.deb | head -n 1)
lintian --fail-on error "$deb" || e2e_fail "lintian found errors in $deb"
# FluidSynth is opened at run time, so no library scan finds it: the package must name it.
dpkg-deb -f "$deb" Depends | grep -q 'libfluidsynth3' || e2e_fail "the package does not pull in FluidSynth"

e2e_setup
dpkg-deb -x "$deb" "$E2E_ROOT/installed" || e2e_fail "the package does not unpack"
E2E_DATA="$E2E_ROOT/installed/usr/bin"
e2e_start
name=$(e2e_window "Dabwick 2.0") || exit 1
class=$(sed -n 's/^StartupWMClass=//p' "$E2E_ROOT/installed/usr/share/applications/$2.desktop")
xprop -id "$name" WM_CLASS | grep -q "\"$class\"\$" || e2e_fail "the window's class is not '$class'"
xprop -id "$name" _NET_WM_ICON | grep -q 'Icon (' || e2e_fail "the window carries no icon"

xdotool windowactivate --sync "$name" 2>/dev/null || xdotool windowfocus --sync "$name"
sleep 0.5
xdotool type --delay 40 "Zoe"
xdotool key Return
question=$(e2e_window "New user") || exit 1
xdotool windowfocus --sync "$question" key alt+y
e2e_window "Picture name: {Untitled}" >/dev/null || exit 1
[ -d "$HOME/.local/share/Dabwick/Zoe's folder/Dabwick" ] || e2e_fail "no child's folder in the user's data folder"
[ "$(ls -A "$E2E_DATA")" = dabwick ] || e2e_fail "the program wrote beside itself: $(ls -A "$E2E_DATA")"
echo "e2e package: all checks passed"
