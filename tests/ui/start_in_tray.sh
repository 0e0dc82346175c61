#!/usr/bin/env bash
# --tray: the program runs, finds the virtual mouse and prepares its pages, but shows no window
# until Shift+Alt+F12 is pressed.
# Usage: tests/ui/start_in_tray.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 0; }
done

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$build/skald-config" "$work/"
cp -r "$build/modules" "$work/"

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

"$work/skald-config" --simulate --tray > "$work/log.txt" 2>&1 &
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
