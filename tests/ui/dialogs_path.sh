#!/usr/bin/env bash
# The windows that leave the skin, opened from the pages as a person would: the export and the
# import dialog of the profile page, the message of a refused import and the picture dialog of
# the screen editor. Each is kept in <build>/screenshots/ and must show its text readably on its
# ground; the export must have written the file typed into its dialog.
# Usage: tests/ui/dialogs_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import convert python3

printf 'not a profile\n\x00\x01\x02' > "$work/junk.bin"
# A home of its own, whose desktop (where the dialogs open) lists a profile and a picture.
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME/Desktop/Older profiles"
cp "$build/modules/setting/pD.bin" "$HOME/Desktop/Standard profile.pf"
convert -size 96x39 xc:black "$HOME/Desktop/Screen picture.png"
start_program --simulate
trap 'cp "$work/log.txt" "$out/dialogs-path-log.txt" 2>/dev/null; cleanup' EXIT

at() { xdotool mousemove --window "$win" "$1" "$2" click "${3:-1}"; sleep 0.4; }
# dialog TITLE: waits for a window of that title and sets `dialog`.
await() {
    dialog=""
    for _ in $(seq 100); do
        dialog="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)"
        [[ -n "$dialog" ]] && break
        sleep 0.1
    done
    [[ -n "$dialog" ]] || { echo "no window \"$1\" appeared"; exit 1; }
    # Drawn once it has stopped changing.
    local previous="" current
    for _ in $(seq 20); do
        sleep 0.3
        current="$(import -window "$dialog" rgb:- 2>/dev/null | md5sum)"
        [[ "$current" == "$previous" ]] && break
        previous="$current"
    done
}
shot() { import -window "$dialog" "$out/$1.png"; }
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "the window \"$1\" stayed open"; exit 1
}
# Typed into the dialog's file name field, which has the keyboard focus once the dialog has.
answer() {
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool type --delay 15 "$1"
    sleep 0.2
    xdotool key Return
}

# The profile page and the context menu of its first row: Save (export), then Load (import).
at 80 620
at 420 54 3
at 460 148
await "Save File"
shot dialog-export
answer "$work/exported.bin"
gone "Save File"
for _ in $(seq 50); do [[ -s "$work/exported.bin" ]] && break; sleep 0.1; done
[[ -s "$work/exported.bin" ]] || { echo "the export wrote nothing"; ls -la "$work" "$HOME/Desktop"; exit 1; }

at 420 54 3
at 460 127
await "Open File"
shot dialog-import
answer "$work/junk.bin"
gone "Open File"
await "Profile"
shot dialog-refused-import
xdotool key Return
gone "Profile"

# Close the page; fold the button list, so that the screen editor's button follows its title
# bar; the picture mode's add button opens the picture dialog.
at 80 620
at 60 115
sleep 0.3
at 199 161
at 726 432
at 641 321
await "Open File"
shot dialog-picture
xdotool key Escape
gone "Open File"

python3 "$(dirname "$0")/readable_text.py" "$out"/dialog-{export,import,refused-import,picture}.png

if grep -E "qml:|\.qml:[0-9]+" "$work/log.txt"; then
    echo "QML warnings while using the pages"
    exit 1
fi
echo "screenshots in $out"
