#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own, or when includes form a
# circle. The folders, lowest first: each may include its own headers and those below it.
# A header and its source file count as one piece for the circles.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
layers=(device profiles performance buttons app)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

edges="$(mktemp)"
loops="$(mktemp)"
trap 'rm -f "$edges" "$loops"' EXIT
status=0
for dir in "${layers[@]}"; do
    for file in "$dir"/*.h "$dir"/*.cpp; do
        [[ -e "$file" ]] || continue
        piece="${file%.*}"
        while IFS= read -r header; do
            folder="${header%%/*}"
            [[ -n "${rank[$folder]+set}" ]] || continue
            if (( rank[$folder] > rank[$dir] )); then
                echo "$file includes $header, a header of a layer above its own"
                status=1
            fi
            [[ "${header%.h}" == "$piece" ]] || echo "$piece ${header%.h}" >> "$edges"
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    done
done
if ! tsort "$edges" > /dev/null 2> "$loops"; then
    echo "includes form a circle through:"
    grep -v 'input contains a loop' "$loops" | sed 's/^tsort: */  /'
    status=1
fi
if (( status == 0 )); then
    echo "layers: no include goes upwards, no circle"
fi
exit "$status"
