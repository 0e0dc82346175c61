#!/usr/bin/env bash
# The lighting panel and the screen editor of the real program under Xvfb, used as a person
# would: an effect, a preset and a hue picked with the mouse, a screen text typed on the
# keyboard, a picture chosen in the file dialog. The HID log shows what reached the mouse;
# screenshots of the three views are kept in <build>/screenshots/.
# Usage: tests/ui/screen_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import python3

# A picture to choose: a white square on black, converted to columns 28..66 of the screen.
python3 - "$work/square.ppm" <<'EOF'
import sys
w = h = 10
with open(sys.argv[1], "wb") as f:
    f.write(b"P6 %d %d 255\n" % (w, h) + b"\xff" * (w * h * 3))
EOF
convert "$work/square.ppm" "$work/square.png"

start_program --simulate --hid-log "$work/hid.txt"
trap 'cp "$work/log.txt" "$out/screen-path-log.txt" 2>/dev/null; cp "$work/hid.txt" "$out/screen-path-hid.txt" 2>/dev/null; cleanup' EXIT

shot() { sleep "${2:-0.6}"; import -window "$win" "$out/$1.png"; }
at() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
sleep 2.0

# Fold the DPI panel, so that the lighting panel sits right under its title bar (y 55).
at 800 41
sleep 0.5
# Breath, then the blue preset square, then the hue bar at position 40 (green).
at 752 118
at 820 231
shot lighting-blue 0.3
at 834 254
shot lighting 0.3

# Fold the button list, so that the box with the editor buttons follows its title bar.
at 60 115
sleep 0.5
at 199 161
# The TEXT mode; the text typed into the field is sent when Enter leaves it.
at 726 394
at 438 305
xdotool type --delay 40 "HELLO"
xdotool key Return
shot screen-text 1.5
# Picture mode: the add button opens the file dialog, answered on the keyboard.
at 726 432
xdotool mousemove --window "$win" 641 321 click 1
dialog=""
for _ in $(seq 50); do
    dialog="$(xdotool search --onlyvisible --name "Open File" 2>/dev/null | head -n1 || true)"
    [[ -n "$dialog" ]] && break
    sleep 0.1
done
[[ -n "$dialog" ]] || { echo "the file dialog did not appear"; exit 1; }
sleep 0.5
xdotool type --delay 20 "$work/square.png"
xdotool key Return
sleep 1.0
shot screen-picture 0.3

for f in lighting screen-text screen-picture; do
    spread="$(convert "$out/$f.png" -format '%[fx:standard_deviation]' info:)"
    awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || { echo "blank screenshot: $f"; exit 1; }
done

if grep -E "\.qml:[0-9]+" "$work/log.txt"; then
    echo "QML warnings while using the pages"
    exit 1
fi

# What the mouse received: the command reports (SF) with the payload reports (WO) after them.
wait_quiet "$work/hid.txt"
python3 - "$work/hid.txt" <<'EOF'
import sys

from hid_log import commands

sent = commands(sys.argv[1])

def fail(text):
    print(text)
    sys.exit(1)

blocks = [s for s in sent if s[0][0] == 0x06]
lights = [bytes(s[1][73:79]) for s in blocks]
# Breath at level 4 in blue, then in the green of hue position 40.
for want in ("020a000000ff", "020a0000ff00"):
    if bytes.fromhex(want) not in lights:
        fail("lighting %s was not sent; sent: %s" % (want, [l.hex() for l in lights]))
if lights[-1] != bytes.fromhex("020a0000ff00"):
    fail("the last lighting sent is %s" % lights[-1].hex())

if not any(s[0][:2] == b"\x0a\x05" for s in sent):
    fail("the TEXT mode was not selected")
# Enter sent the text: before the picture mode was chosen.
first_picture = next((i for i, s in enumerate(sent) if s[0][:2] == b"\x0a\x06"), len(sent))
texts = [s for s in sent[:first_picture] if s[0][0] == 0x09 and s[0][3] == 0]
if len(texts) < 4:
    fail("the text image was not sent (%d chunks)" % len(texts))
image = b"".join(s[1][:128] for s in texts[-4:])
# "HELLO" is 40 pixels wide: centred from column 28, rows 11..26 (pages 1 to 3).
for n, byte in enumerate(image):
    page, column = divmod(n, 96)
    inside = 1 <= page <= 3 and 28 <= column < 68
    if byte and not inside:
        fail("text pixel outside the text at byte %d" % n)
for glyph in range(5):
    if not any(image[p * 96 + 28 + 8 * glyph + c] for p in (1, 2, 3) for c in range(8)):
        fail("letter %d of the text is blank" % glyph)

if not any(s[0][:2] == b"\x0a\x06" for s in sent):
    fail("the picture mode was not selected")
pictures = [s for s in sent if s[0][0] == 0x09 and s[0][3] == 1]
if len(pictures) != 4:
    fail("the picture was sent in %d chunks" % len(pictures))
picture = b"".join(s[1][:128] for s in pictures)
for column in range(96):
    lit = 28 <= column <= 66
    want = [0xff, 0xff, 0xff, 0xff, 0x7f] if lit else [0] * 5
    if [picture[p * 96 + column] for p in range(5)] != want:
        fail("picture column %d is wrong" % column)
print("lighting, screen text and picture reached the mouse")
EOF
echo "screenshots in $out"
