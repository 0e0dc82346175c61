#!/usr/bin/env bash
# Fails when a source file reaches a header of a folder above its own, or when includes form a
# circle. The folders, lowest first: each may include its own headers and those below it.
# A header and its source file count as one piece for the circles.
#
# The includes are the compiler's own: its dependency output (-MM) over every source and header,
# so angle-bracket includes, relative paths, subfolders and any header suffix count alike. Qt's
# folders are system folders here, which keeps them out of the output; a header that cannot be
# found (another platform's) is listed by name and passed over.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
layers=(device profiles performance buttons app)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

qt_flags="$(pkg-config --cflags Qt6Widgets Qt6Quick Qt6QuickWidgets Qt6Concurrent Qt6Network \
    2>/dev/null | sed 's/-I/-isystem /g')" || qt_flags=""

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

find "${layers[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
    -o -name '*.cpp' -o -name '*.cc' -o -name '*.cxx' \) | sort > "$work/files"

# One rule per file: "<file>: <header> ...". Each batch writes a file of its own, so that
# parallel batches cannot mix their lines.
# shellcheck disable=SC2016,SC2086
xargs -P "$(nproc)" -n 20 sh -c '
    out="$(mktemp -p "$0" rules.XXXXXX)"
    for f; do
        deps="$(g++ -std=c++17 -x c++ -w -MM -MG -MT x -I. '"$qt_flags"' "$f" \
            | sed "s/^x://; s/\\\\$//" | tr "\n" " ")"
        printf "%s:%s\n" "$f" "${deps#* $f}" >> "$out"
    done' "$work" < "$work/files"
cat "$work"/rules.* > "$work/rules"

status=0
: > "$work/edges"
while IFS= read -r line; do
    file="${line%%:*}"
    dir="${file%%/*}"
    piece="${file%.*}"
    read -r -a deps <<< "${line#*:}"
    (( ${#deps[@]} )) || continue
    # Relative includes come out as "device/../app/widget.h": resolve them against the tree.
    while IFS= read -r header; do
        [[ "$header" == ../* || "$header" == /* ]] && continue
        folder="${header%%/*}"
        [[ "$header" == */* && -n "${rank[$folder]+set}" ]] || continue
        if (( rank[$folder] > rank[$dir] )); then
            echo "$file includes $header, a header of a layer above its own"
            status=1
        fi
        [[ "${header%.*}" == "$piece" ]] || echo "$piece ${header%.*}" >> "$work/edges"
    done < <(realpath -m --relative-to="$top" -- "${deps[@]}")
done < "$work/rules"

if ! tsort "$work/edges" > /dev/null 2> "$work/loops"; then
    echo "includes form a circle through:"
    grep -v 'input contains a loop' "$work/loops" | sed 's/^tsort: */  /'
    status=1
fi
if (( status == 0 )); then
    echo "layers: no include goes upwards, no circle"
fi
exit "$status"
