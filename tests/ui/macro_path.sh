#!/usr/bin/env bash
# The macro editor of the real program under Xvfb, used as a person would: a new macro,
# "Rec Time" on, a recording of keys typed by xdotool (heard through the desktop-wide X11
# capture, not through the window), then stopped. The macro file must hold what was typed;
# screenshots of the editor while recording and after are kept in <build>/screenshots/.
# Usage: tests/ui/macro_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import

"$work/skald-config" --simulate --hid-log "$work/hid.txt" > "$work/log.txt" 2>&1 &
app_pid=$!
win=""
for _ in $(seq 100); do
    win="$(xdotool search --onlyvisible --class skald-config 2>/dev/null | head -n1 || true)"
    [[ -n "$win" ]] && break
    sleep 0.1
done
[[ -n "$win" ]] || { echo "the window did not appear"; cat "$work/log.txt"; exit 1; }

shot() { sleep "${2:-0.6}"; import -window "$win" "$out/$1.png"; }
at() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
sleep 2.0

# Macro Manager, New, Rec Time, Start Record (the editor is centred at 190, 100).
at 78 359
at 242 484
at 632 218
at 704 181
# Keys go to the root window, not to ours: only a desktop-wide capture hears them.
xdotool key --window 0 --delay 300 a b
shot macro-recording 0.3
at 704 181
shot macro-recorded

file="$work/modules/macro/Macro_0.bin"
[[ -f "$file" ]] || { echo "no macro file"; cat "$work/log.txt"; exit 1; }
events="$(grep -E '^[0-9]+=' "$file" | sed 's/^[0-9]*=//; s/"//g' | tr '\n' ' ')"
echo "recorded: $events"
[[ "$events" =~ ^1,A\ 0,[0-9]+\ 2,A\ 0,[0-9]+\ 1,B\ 0,[0-9]+\ 2,B\ $ ]] \
    || { echo "unexpected events: $events"; cat "$work/log.txt"; exit 1; }
if grep -q "QML\|qrc:/" "$work/log.txt"; then
    echo "QML warnings:"; grep "QML\|qrc:/" "$work/log.txt"; exit 1
fi
echo "screenshots in $out"
