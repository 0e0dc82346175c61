#!/usr/bin/env bash
# --tray: the program runs, finds the virtual mouse and prepares its pages, but shows no window
# (its icon sits in the tray, here trayer's) until Shift+Alt+F12 is pressed. --verbose prints
# the balloon that says the mouse was found.
# Usage: tests/ui/start_in_tray.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
source "$(dirname "$0")/xvfb_session.sh" xdotool trayer

trayer --edge bottom --align right --widthtype request > "$work/trayer.txt" 2>&1 &
trayer_pid=$!
trap 'kill "$trayer_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do xdotool search --class trayer >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5

# The main window, when shown; the tray icon is a small window of the program's too.
main_window_shown() {
    local w
    for w in $(xdotool search --onlyvisible --class skald-config 2>/dev/null); do
        xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: 1000x640" && return 0
    done
    return 1
}

"$work/skald-config" --simulate --tray --verbose > "$work/log.txt" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    grep -q "Detect Mouse" "$work/log.txt" && break
    sleep 0.1
done
grep -q "Detect Mouse" "$work/log.txt" || { echo "the mouse was not found"; cat "$work/log.txt"; exit 1; }
sleep 1.5
kill -0 "$app_pid" || { echo "the program ended"; exit 1; }
if main_window_shown; then
    echo "a window is shown although --tray was given"
    exit 1
fi
# Shift+Alt+F12 brings the hidden window back.
xdotool key shift+alt+F12
for _ in $(seq 50); do
    main_window_shown && { echo "started in the tray, restored by the hot key"; exit 0; }
    sleep 0.1
done
echo "Shift+Alt+F12 did not show the window"
exit 1
