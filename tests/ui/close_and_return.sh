#!/usr/bin/env bash
# The window's close button and a second start, on a desktop without a tray and on one with a
# tray host, under a window manager (openbox), as a person would meet them:
# - without a tray, close minimises; a second start (exit status 1, no window of its own)
#   brings the window back, unminimised and active; a drag goes through the window manager;
#   the window manager's close (Alt+F4) quits; --tray starts minimised and a second start
#   brings that window up too;
# - with a tray host (trayer), close hides the window and a second start shows it.
# Screenshots in <build>/screenshots/close-*.png.
# Usage: tests/ui/close_and_return.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool xprop openbox trayer

helpers=()
trap 'for p in "${helpers[@]}"; do kill "$p" 2>/dev/null || true; done; cleanup' EXIT

fail() { echo "$1"; cat "$work/log.txt"; exit 1; }
# until SECONDS COMMAND...: true once COMMAND succeeds within SECONDS.
until_true() {
    local tries=$(( $1 * 10 )); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
state_of() { xprop -id "$win" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p'; }
is_state() { [[ "$(state_of)" == "$1" ]]; }
is_shown() { xdotool search --onlyvisible --class skald-config 2>/dev/null | grep -qx "$win"; }
is_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$win" ]]; }
has_tray() { xdotool search --class trayer >/dev/null 2>&1; }
# The main window among the program's windows (an embedded tray icon is one too).
main_window() {
    local w
    for w in $(xdotool search --class skald-config 2>/dev/null); do
        xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: 1000x640" && { echo "$w"; return 0; }
    done
    return 1
}
close_button() { xdotool mousemove --window "$win" 984 14 click 1; }
# A second start: must exit 1 at once, having asked the running one for its window.
second_start() {
    local status=0
    timeout 20 "$work/skald-config" --simulate > "$work/second.txt" 2>&1 || status=$?
    [[ $status -eq 1 ]] || { cat "$work/second.txt"; fail "the second start ended with $status, not 1"; }
    grep -q "brought to the front" "$work/second.txt" || { cat "$work/second.txt"; fail "the second start did not reach the first"; }
}

openbox --sm-disable > "$work/openbox.txt" 2>&1 &
helpers+=($!)
until_true 5 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || { cat "$work/openbox.txt"; fail "openbox did not start"; }
until_true 5 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

# Without a tray.
start_program --simulate
xdotool windowactivate --sync "$win" 2>/dev/null || true
import -window "$win" "$out/close-no-tray-shown.png"

# A drag on the background (between the two bottom buttons) moves the window through openbox;
# the first step only hands the drag over.
position() { xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
read -r x0 y0 < <(position)
steps=()
for _ in 1 2 3 4; do steps+=(mousemove_relative --sync 20 10 sleep 0.1); done
xdotool mousemove --window "$win" 500 625 mousedown 1 sleep 0.2 "${steps[@]}" sleep 0.2 mouseup 1
sleep 0.5
read -r x1 y1 < <(position)
(( x1 - x0 >= 50 && y1 - y0 >= 25 )) || fail "the drag moved the window from $x0,$y0 to $x1,$y1"
echo "drag: $x0,$y0 -> $x1,$y1"

close_button
until_true 5 is_state Iconic || fail "close did not minimise the window (state: $(state_of))"
kill -0 "$app_pid" || fail "the program ended on close"
second_start
until_true 5 is_shown || fail "the second start did not bring the window back (state: $(state_of))"
until_true 5 is_active || fail "the window came back but is not active"
[[ "$(state_of)" == Normal ]] || fail "the window came back in state $(state_of)"
wait_drawn
import -window "$win" "$out/close-no-tray-returned.png"
echo "no tray: close minimised, the second start brought the window back"

# Quitting without a tray: the window manager's close.
xdotool key --clearmodifiers alt+F4
until_true 10 sh -c "! kill -0 $app_pid 2>/dev/null" || fail "Alt+F4 did not quit the program"
status=0; wait "$app_pid" || status=$?
[[ $status -eq 0 ]] || fail "the program quit with $status"
app_pid=""
echo "no tray: Alt+F4 quit the program"

# --tray without a tray: minimised, and a second start brings it up.
"$work/skald-config" --simulate --tray > "$work/log.txt" 2>&1 &
app_pid=$!
until_true 15 main_window >/dev/null || fail "--tray made no window"
win="$(main_window)"
until_true 5 is_state Iconic || fail "--tray without a tray left the window in state '$(state_of)'"
is_shown && fail "--tray without a tray shows the window"
until_true 10 grep -q "Detect Mouse" "$work/log.txt" || fail "the mouse was not found"
second_start
until_true 5 is_shown || fail "the second start did not bring up the --tray window"
echo "no tray: --tray started minimised, the second start brought it up"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""

# With a tray host: close hides the window, a second start shows it.
trayer --edge bottom --align right --widthtype request --SetDockType true > "$work/trayer.txt" 2>&1 &
helpers+=($!)
until_true 5 has_tray || { cat "$work/trayer.txt"; fail "trayer did not start"; }
sleep 0.5
start_program --simulate
# With a tray host the first window found may be the embedded tray icon: wait for the main
# window's pages before the click, or it is lost on a loaded machine.
until_true 15 main_window >/dev/null || fail "no main window with a tray"
win="$(main_window)"
wait_drawn
close_button
until_true 5 sh -c "! xdotool search --onlyvisible --class skald-config 2>/dev/null | grep -qx $win" \
    || fail "with a tray, close did not hide the window"
[[ "$(state_of)" != Iconic ]] || fail "with a tray, close minimised the window"
second_start
until_true 5 is_shown || fail "with a tray, the second start did not show the window"
wait_drawn
import -window root "$out/close-tray-returned.png"
echo "tray: close hid the window, the second start showed it"
