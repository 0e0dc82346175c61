#!/usr/bin/env bash
# The language of a first start follows the desktop's, and the help menu's entry sets the one
# of the next start: a first start under a Chinese locale shows the Chinese texts and stores
# "ChineseSimplified"; English chosen in the help menu is stored at once and shown at the next
# start, on the same desktop. Screenshots in <build>/screenshots/language-*.png.
# Usage: tests/ui/language_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import convert python3

config="$work/modules/setting/apConfig.bin"
stored() { sed -n 's/^language=//p' "$config" 2>/dev/null; }
[[ -z "$(stored)" ]] || { echo "the shipped configuration already names a language"; exit 1; }

export LANG=zh_CN.UTF-8
start_program --simulate
trap 'cp "$work/log.txt" "$out/language-path-log.txt" 2>/dev/null; cleanup' EXIT
shot() { sleep "${2:-0.5}"; import -window "$win" "$out/$1.png"; }
at() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }
# The Profiles button's label, which the two languages write differently.
label() { convert "$out/$1.png" -crop 90x24+20+606 +repage rgb:- | md5sum; }

sleep 1.0
shot language-first-start-zh
[[ "$(stored)" == "ChineseSimplified" ]] || { echo "a first start under $LANG stored \"$(stored)\""; exit 1; }

# The help menu, its language entry, English chosen: stored at once, these texts stay.
at 944 14
shot language-menu-zh 0.2
at 880 98
shot language-menu-english-chosen 0.2
[[ "$(stored)" == "English" ]] || { echo "the help menu's English stored \"$(stored)\""; exit 1; }
[[ "$(label language-menu-english-chosen)" == "$(label language-first-start-zh)" ]] \
    || { echo "the texts changed before the next start"; exit 1; }
if grep -E "qml:|\.qml:[0-9]+" "$work/log.txt"; then
    echo "QML warnings in the first run"
    exit 1
fi

# The next start, on the same Chinese desktop, speaks English.
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
start_program --simulate
sleep 1.0
shot language-next-start-en
[[ "$(label language-next-start-en)" != "$(label language-first-start-zh)" ]] \
    || { echo "the next start still shows the texts of the first"; exit 1; }
[[ "$(stored)" == "English" ]] || { echo "the next start changed the stored language to \"$(stored)\""; exit 1; }
at 944 14
shot language-menu-en 0.2
if grep -E "qml:|\.qml:[0-9]+" "$work/log.txt"; then
    echo "QML warnings in the second run"
    exit 1
fi
echo "screenshots in $out"
