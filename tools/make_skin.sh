#!/usr/bin/env bash
# Redraws the skin under modules/img/ (background, logos, dialog panels, icons, mouse pictures),
# the tray icon and the program's icon for the desktop's icon theme (packaging/icons/). The
# generated files are committed; run this after changing the artwork.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O1 -fPIC -Wall -Wextra "$top/tools/skin/make_skin.cpp" -o "$work/make_skin" \
    $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
QT_QPA_PLATFORM=offscreen "$work/make_skin" "$top/modules/img" "$work" "$top/packaging/icons"
# Strip metadata so that redrawing unchanged artwork leaves the files byte-identical.
find "$top/modules/img" "$top/packaging/icons" -name '*.png' -newer "$work/make_skin" -exec mogrify -strip {} +
convert "$work"/tray/tray{16,24,32,48,64,256}.png "$top/modules/img/trayIcon.ico"
# The button pictures come out at the size of their view: cut them and note their places anew.
rm -f "$top/modules/qml/J2/mousePictures.js"
"$top/tools/crop_pictures.sh"
