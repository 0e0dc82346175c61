#!/usr/bin/env bash
# Starts the program under Xvfb against the virtual mouse with a HID log, changes a DPI stage,
# the report rate and the X sensitivity by pointer and keys as a person would, and checks the
# reports the mouse received. Screenshots of the right column go to <build>/screenshots/.
# Usage: tests/ui/sensor_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import convert

log="$work/hid.log"
start_program --simulate --hid-log "$log"
sleep 2.5
xdotool windowfocus --sync "$win" 2>/dev/null || true

at() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep "${3:-0.4}"; }
key() { xdotool key "$1"; sleep 0.4; }
column() { sleep 0.3; import -window "$win" "$work/shot.png"; convert "$work/shot.png" -crop 266x608+734+32 +repage "$out/$1.png"; }
fail() { echo "$1"; echo "--- last reports"; tail -n 8 "$log" | cut -c1-120; exit 1; }

# Byte $1 of the last profile data block sent (command 06, then two 64-byte payload reports).
block_byte() {
    awk -v k="$1" '
        $2 == "SF" && substr($3, 1, 4) == "0006" { data = ""; want = 2; next }
        $2 == "WO" && want > 0 { data = data substr($3, 3); if (--want == 0) last = data }
        END { print substr(last, 2 * k + 1, 2) }' "$log"
}
# Parameter byte of the last command block with code $1 (two hex digits).
command_param() {
    awk -v c="$1" '$2 == "SF" && substr($3, 3, 2) == c { p = substr($3, 5, 2) } END { print p }' "$log"
}
# A busy program takes the input late: poll until the command "$@" prints the wanted value.
expect() {
    local want="$1" what="$2" got
    shift 2
    for _ in $(seq 100); do
        got="$("$@")"
        [[ "$got" == "$want" ]] && return 0
        sleep 0.1
    done
    fail "$what: $got, expected $want"
}
expect_byte() { expect "$2" "block byte $1 ($3)" block_byte "$1"; }
expect_param() { expect "$2" "command $1, its parameter ($3)" command_param "$1"; }

column sensor-column-start

# DPI stage 2: a click at y 85 of its slider column (8100 DPI = 162 units), then Up (8200).
at 792 153
expect_byte 39 a2 "stage 2 clicked to 8100"
expect_byte 55 a2 "second copy of stage 2"
expect_byte 40 00 "stage 2 flag"
key Up
expect_byte 39 a4 "stage 2 stepped to 8200"

# Fold the lighting panel so that the report rate sits under it, then its left-bottom
# quadrant (250 Hz = 4) and Up to the left-top one (125 Hz = 8).
at 800 302 0.8
at 770 425
expect_param 03 04 "report rate after the click"
key Up
expect_param 03 08 "report rate after Up"
# Every later click counts too: right-top (1000 Hz), right-bottom (500 Hz), left-bottom again.
at 900 380
expect_param 03 01 "report rate after a second click"
at 900 425
expect_param 03 02 "report rate after a third click"
at 770 425
expect_param 03 04 "report rate after a fourth click"
column sensor-column-changed

# Fold the button list; the X slider's right end (position 9 = 200), then Left (8 = 180).
at 100 115 0.8
at 230 246
expect_byte 35 c8 "X at its right end"
key Left
expect_byte 35 b4 "X one step left"
expect_byte 36 64 "Y untouched"

# The lower panels, scrolled into view with the wheel.
xdotool mousemove --window "$win" 860 400
for _ in $(seq 8); do xdotool click 5; sleep 0.05; done
column sensor-column-lower

grep -q "QML\|qml:" "$work/log.txt" && { grep "QML\|qml:" "$work/log.txt"; fail "QML warnings"; }
import -window "$win" "$out/sensor-main.png"
echo "sensor path passed; screenshots in $out"
