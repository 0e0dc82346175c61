#!/usr/bin/env bash
# --tray: the program runs, finds the virtual mouse and prepares its pages, but shows no window
# until Shift+Alt+F12 is pressed. --verbose prints the balloon that says the mouse was found.
# Usage: tests/ui/start_in_tray.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
source "$(dirname "$0")/xvfb_session.sh" xdotool

"$work/skald-config" --simulate --tray --verbose > "$work/log.txt" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    grep -q "Detect Mouse" "$work/log.txt" && break
    sleep 0.1
done
grep -q "Detect Mouse" "$work/log.txt" || { echo "the mouse was not found"; cat "$work/log.txt"; exit 1; }
sleep 1.5
kill -0 "$app_pid" || { echo "the program ended"; exit 1; }
if xdotool search --onlyvisible --class skald-config >/dev/null 2>&1; then
    echo "a window is shown although --tray was given"
    exit 1
fi
# Shift+Alt+F12 brings the hidden window back.
xdotool key shift+alt+F12
for _ in $(seq 50); do
    xdotool search --onlyvisible --class skald-config >/dev/null 2>&1 && { echo "started in the tray, restored by the hot key"; exit 0; }
    sleep 0.1
done
echo "Shift+Alt+F12 did not show the window"
exit 1
