#!/usr/bin/env bash
# Lints every page; any warning fails.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
lint=/usr/lib/qt6/bin/qmllint
mapfile -t files < <(cd "$top" && find modules/qml -name '*.qml' | sort)
cd "$top"
out="$("$lint" -I modules/qml "${files[@]}" 2>&1)" || { echo "$out"; exit 1; }
if [[ -n "$out" ]]; then
    echo "$out"
    exit 1
fi
