#!/usr/bin/env bash
# Starts the program under Xvfb against the virtual mouse, acts on it as a person would and
# keeps screenshots of the main screen and its dialogs in <build>/screenshots/; those of the main
# screen, the lit mouse views and the dialogs must match their references in tests/ui/reference/.
# Usage: tests/ui/screenshots.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import

start_program --simulate

# The screenshots compared with their references below.
compared=(main mouse-top-lit mouse-side-lit reset macro-editor screen-editor key-menu single-key
          macro-choice colour-picker)
shot() {
    sleep "${2:-0.6}"
    import -window "$win" "$out/$1.png"
    [[ " ${compared[*]} " == *" $1 "* ]] || return 0
    # A slow machine (a sanitizer build) draws late: a compared screenshot is taken once the
    # window has stopped changing.
    local previous current
    current="$(convert "$out/$1.png" rgb:- | md5sum)"
    for _ in $(seq 20); do
        previous="$current"
        sleep 0.3
        import -window "$win" "$out/$1.png"
        current="$(convert "$out/$1.png" rgb:- | md5sum)"
        [[ "$current" == "$previous" ]] && return 0
    done
}
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
# The key menu of Button 2 with its Multimedia submenu open; Mute is taken.
at 183 159
xdotool mousemove --window "$win" 317 289 sleep 0.3 mousemove --window "$win" 451 397
shot key-menu 0.4
xdotool click 1
sleep 0.5
# Button 5's single-key dialog after Shift+F5, taken with OK.
at 183 222
sleep 0.3
at 317 436
xdotool key --delay 120 shift+F5
shot single-key 0.5
at 492 380
sleep 0.5
# Button 2's macro choice, closed with Cancel.
at 183 159
sleep 0.3
at 272 394
shot macro-choice 0.5
at 604 425
sleep 0.3
# The DPI colour picker of the fourth stage.
at 864 273
shot colour-picker 0.4

for f in "$out"/*.png; do
    # A blank capture has no spread in its pixels.
    spread="$(convert "$f" -format '%[fx:standard_deviation]' info:)"
    awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || { echo "blank screenshot: $f"; exit 1; }
done

# The main screen, the mouse with a lit button in both views and each dialog look as they did
# when their references were taken (tests/ui/reference/); a few pixels may differ (a blinking
# text cursor). After an intended change of the look, SKALD_NEW_REFERENCES=1 takes new ones:
# look at them before they are committed.
reference="$(cd "$(dirname "$0")" && pwd)/reference"
changed=0
for name in "${compared[@]}"; do
    if [[ "${SKALD_NEW_REFERENCES:-}" == 1 ]]; then
        convert "$out/$name.png" -strip "$reference/$name.png"
        continue
    fi
    differ="$(compare -metric AE -fuzz 2% "$reference/$name.png" "$out/$name.png" "$out/$name-changes.png" 2>&1 || true)"
    if ! [[ "$differ" =~ ^[0-9]+$ ]] || (( differ > 40 )); then
        echo "$name.png differs from its reference in $differ pixels (changes in $out/$name-changes.png)"
        changed=1
    fi
done
(( changed == 0 )) || exit 1
echo "screenshots in $out, unchanged against their references"
