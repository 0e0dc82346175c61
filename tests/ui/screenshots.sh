#!/usr/bin/env bash
# Starts the program under Xvfb against the virtual mouse, acts on it as a person would and
# keeps screenshots of the main screen and its dialogs in <build>/screenshots/.
# Usage: tests/ui/screenshots.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import

start_program --simulate

shot() { sleep "${2:-0.6}"; import -window "$win" "$out/$1.png"; }
at() { xdotool mousemove --window "$win" "$1" "$2" click "${3:-1}"; }

# Power-on logo, then the working screen once the first busy period is over.
# A slow machine (or a sanitizer build) may map the window before its first frame: wait for it.
for _ in $(seq 30); do
    shot power-on 0.1
    spread="$(convert "$out/power-on.png" -format '%[fx:standard_deviation]' info:)"
    awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' && break
done
shot main 2.0
# The profile page, with two new profiles so that the list shows rows.
at 80 620
at 435 601; sleep 0.3; at 435 601
shot profile
# Right click on the first row: the context menu.
at 420 54 3
shot profile-menu 0.4
# Closing the page sends the chosen profile under the busy overlay.
at 615 32
shot applying 0.3
sleep 1.5
# The factory-reset dialog, closed with Cancel.
at 952 618
shot reset
at 620 380
# The help menu.
at 944 14
shot help 0.4
at 944 14
# The mouse picture with a lit button, from above and from the side: pointing at the third
# row of the button list lights the wheel button. The view tabs lie under the picture.
xdotool mousemove --window "$win" 183 180
shot mouse-top-lit 0.5
at 540 556
xdotool mousemove --window "$win" 183 180
shot mouse-side-lit 0.5
at 450 556
# The macro editor and the screen editor, each closed with Escape.
at 78 359
shot macro-editor
xdotool key Escape
at 199 359
shot screen-editor
xdotool key Escape
sleep 0.3
# The DPI colour picker of the fourth stage.
at 875 270
shot colour-picker 0.4

for f in "$out"/*.png; do
    # A blank capture has no spread in its pixels.
    spread="$(convert "$f" -format '%[fx:standard_deviation]' info:)"
    awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || { echo "blank screenshot: $f"; exit 1; }
done
echo "screenshots in $out"
