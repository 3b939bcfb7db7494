#!/usr/bin/env bash
# The Debian package as a parent installs it: it builds, lintian finds no errors in it, and the
# program unpacked from it signs a new child in, keeping the child's folder in the user's data
# folder and nothing beside itself, in windows that carry the icon and the desktop entry's class.
# Arguments: the build folder and the desktop id.
set -u
. "$(dirname "$0")/lib.sh"
build=$1 id=$2

(cd "$build" && cpack >/dev/null) || e2e_fail "cpack did not build the package"
deb=$(ls -t "$build"/dabwick_*.deb | head -n 1)
lintian --fail-on error "$deb" || e2e_fail "lintian found errors in $deb"

e2e_setup
installed="$E2E_ROOT/installed"
dpkg-deb -x "$deb" "$installed" || e2e_fail "the package does not unpack"
share="$installed/usr/share"
[ -f "$share/icons/hicolor/256x256/apps/$id.png" ] || e2e_fail "no 256-pixel icon"
E2E_DATA="$installed/usr/bin"
e2e_start

name=$(e2e_window "Dabwick 2.0") || exit 1
wm_class=$(grep '^StartupWMClass=' "$share/applications/$id.desktop" | cut -d= -f2)
xprop -id "$name" WM_CLASS | grep -q "\"$wm_class\"\$" || e2e_fail "the window's class is not $wm_class"
xprop -id "$name" _NET_WM_ICON | grep -q 'Icon (64 x 64)' || e2e_fail "the window carries no icon"

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
