#!/usr/bin/env bash
# Cuts the button pictures of the mouse views to what they draw and writes their places into
# modules/qml/J2/mousePictures.js (tools/skin/crop_pictures.cpp). make_skin.sh cuts the pictures
# it draws itself; this is for pictures drawn or edited by hand.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O1 -fPIC -Wall -Wextra -I"$top" "$top/tools/skin/crop_pictures.cpp" "$top/tools/skin/picture_crop.cpp" \
    -o "$work/crop_pictures" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/crop_pictures" "$top/modules/img/skin1/mouse" "$top/modules/qml/J2/mousePictures.js"
find "$top/modules/img/skin1/mouse" -name 'mouse*Key*.png' -newer "$work/crop_pictures" -exec mogrify -strip {} +
