#!/usr/bin/env bash
# Plants upward includes that a pattern over quoted includes would miss in a copy of the tree and
# checks that the layer check names every one of them.
set -euo pipefail
src="$(cd "$(dirname "$0")/../.." && pwd)"
copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT
cp -r "$src/scripts" "$src/device" "$src/profiles" "$src/performance" "$src/buttons" "$src/app" "$copy/"

mkdir -p "$copy/device/parts"
printf '#pragma once\n#include <app/widget.h>\n' > "$copy/device/plant_angle.h"
printf '#include "../app/widget.h"\n' > "$copy/device/plant_relative.cpp"
printf '#pragma once\n#include "app/widget.h"\n' > "$copy/device/parts/plant_subfolder.h"
printf '#pragma once\n#include "app/widget.h"\n' > "$copy/profiles/plant_suffix.hpp"
printf '#define UPPER "app/widget.h"\n#include UPPER\n' > "$copy/performance/plant_macro.cpp"

status=0
output="$("$copy/scripts/check-layers.sh")" || status=$?
fail=0
if (( status == 0 )); then echo "FAIL: the layer check passed a tree with upward includes"; fail=1; fi
for plant in device/plant_angle.h device/plant_relative.cpp device/parts/plant_subfolder.h \
             profiles/plant_suffix.hpp performance/plant_macro.cpp; do
    if ! grep -q "^$plant includes app/widget.h" <<< "$output"; then
        echo "FAIL: $plant was not reported"; fail=1
    fi
done
(( fail == 0 )) && echo "every planted upward include was reported"
exit "$fail"
