#!/usr/bin/env bash
# The button list of the real program under Xvfb, used as a person would: one button gets a
# media function through the menu, another a key pressed in the single-key dialog (the keys
# reach the program through its global capture). The HID log shows the matrix the mouse got;
# screenshots of the mouse picture, the menu and the dialog are kept in <build>/screenshots/.
# Usage: tests/ui/keys_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import python3

start_program --simulate --hid-log "$work/hid.txt"

shot() { sleep "${2:-0.6}"; import -window "$win" "$out/$1.png"; }
move() { xdotool mousemove --window "$win" "$1" "$2"; sleep 0.3; }
at() { move "$1" "$2"; xdotool click 1; sleep 0.3; }
sleep 2.0

# Rows of the button list lie 21 px apart from y 138; the menu opens beside the row.
# Pointing at the third row lights the middle button on the picture.
move 183 180
shot keys-mouse 0.3
# Button 2: Multimedia Commands + opens its submenu, where Mute is the sixth entry.
at 183 159
move 317 289
move 451 397
shot keys-menu 0.3
xdotool click 1
sleep 0.5
# Button 5: Assign Keyboard Key, then Shift+F5 pressed: the key pressed last is F5.
at 183 222
at 317 436
xdotool key --delay 120 shift+F5
shot keys-single-key 0.5
at 492 380
sleep 0.5

for f in keys-mouse keys-menu keys-single-key; do
    spread="$(convert "$out/$f.png" -format '%[fx:standard_deviation]' info:)"
    awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || { echo "blank screenshot: $f"; exit 1; }
done

if grep -E "\.qml:[0-9]+" "$work/log.txt"; then
    echo "QML warnings while using the pages"
    exit 1
fi

# The last key matrix (command 0x07 and its payload reports) in the mouse's slot order.
wait_quiet "$work/hid.txt"
python3 - "$work/hid.txt" <<'PY'
import sys

from hid_log import commands

sent = commands(sys.argv[1])

matrices = [s[1][:128] for s in sent if s[0][0] == 0x07]
if len(matrices) < 2:
    print("%d key matrices were sent" % len(matrices))
    sys.exit(1)
slots = [matrices[-1][i * 4:i * 4 + 4].hex() for i in range(32)]
want = {0: "0100f000", 1: "0300e200", 2: "0100f200", 3: "00003e00", 4: "0100f400",
        8: "07000100", 7: "07000200", 30: "0100f700", 31: "0100f800"}
for slot, entry in want.items():
    if slots[slot] != entry:
        print("slot %d holds %s, not %s; matrix: %s" % (slot, slots[slot], entry, " ".join(slots)))
        sys.exit(1)
if matrices[-2][4:8].hex() != "0300e200":
    print("the menu's choice was not sent on its own: %s" % matrices[-2][4:8].hex())
    sys.exit(1)
print("the menu's Mute and the dialog's F5 reached the mouse")
PY
echo "screenshots in $out"
