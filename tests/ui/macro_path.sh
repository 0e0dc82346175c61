#!/usr/bin/env bash
# The macro editor of the real program under Xvfb, used as a person would: a new macro,
# "Rec Time" on, a recording of keys typed by xdotool (heard through the desktop-wide X11
# capture, not through the window), then stopped. The macro file must hold what was typed;
# Then the editor is closed with OK and the macro is given to Button 2 through the key menu
# and the choice dialog; the matrix and the macro payload must reach the mouse (HID log).
# Screenshots of the editor while recording and after, and of the choice dialog, are kept in
# <build>/screenshots/.
# Usage: tests/ui/macro_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import python3

start_program --simulate --hid-log "$work/hid.txt"

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
# OK closes the editor; Button 2's row, the menu's "Macro", the drop-down's first macro, OK.
at 653 515
at 183 159
at 272 394
at 506 240
at 500 262
shot macro-choice 0.3
at 503 425
sleep 0.8

wait_quiet "$work/hid.txt"
python3 - "$work/hid.txt" <<'PY'
import sys

from hid_log import commands

sent = commands(sys.argv[1])

matrices = [s[1] for s in sent if s[0][0] == 0x07]
macros = [s for s in sent if s[0][0] == 0x08 and s[0][1] == 2]
if not matrices or matrices[-1][4:8].hex() != "09000200":
    print("Button 2 does not play macro slot 2: %s" % (matrices[-1][4:8].hex() if matrices else "no matrix"))
    sys.exit(1)
if not macros:
    print("the macro was not sent to slot 2")
    sys.exit(1)
body = macros[-1][1]
codes = [body[i] for i in (3, 5, 7, 9)]
released = [body[i] >= 0x80 for i in (2, 4, 6, 8)]
if codes != [0x04, 0x04, 0x05, 0x05] or released != [False, True, False, True]:
    print("unexpected macro payload: %s" % body[:16].hex())
    sys.exit(1)
print("Button 2 plays the recorded macro on the mouse")
PY

if grep -q "QML\|qrc:/" "$work/log.txt"; then
    echo "QML warnings:"; grep "QML\|qrc:/" "$work/log.txt"; exit 1
fi
echo "screenshots in $out"
