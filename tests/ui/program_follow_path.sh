#!/usr/bin/env bash
# Profiles that follow the program in front, under a real EWMH window manager (openbox): two
# windows of known programs, "racer" (selects profile 1 by its file name) and a program started
# with the command line of a Windows game, "C:\games\game.exe" (selects profile 2, as a game
# under Wine does). Each activation that stays for a second applies its profile once; five
# quick activations apply only the last one. The HID log tells which profile went out: each
# apply sends the key matrix once, then the profile block, whose X sensitivity (byte 35)
# differs between the profiles.
# Usage: tests/ui/program_follow_path.sh <build folder> <tiny_window program>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
tiny="${2:?tiny window program}"
source "$(dirname "$0")/xvfb_session.sh" xdotool openbox python3 import xprop

wm_pid="" racer_pid="" game_pid=""
stop_all() {
    for p in $racer_pid $game_pid $wm_pid; do kill "$p" 2>/dev/null || true; done
    cleanup
}
trap stop_all EXIT

openbox --sm-disable > "$work/openbox.txt" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

settings="$work/modules/setting"
printf '[profile]\nprofileName=Standard0, Racing1, Shooter2\n' > "$settings/name.bin"
# X sensitivity 4 (sent as 100) in profile 0, 1 (40) in profile 1, 2 (60) in profile 2.
sed '2s/.*/0=1/' "$settings/pD.bin" > "$settings/p2.bin"
sed '2s/.*/0=2/' "$settings/pD.bin" > "$settings/p3.bin"
printf '[follow]\nenabled=1\n\n[programs]\n1=racer\n2=game.exe\n' > "$settings/programs.bin"

cp "$tiny" "$work/racer"
cp "$tiny" "$work/launcher"
"$work/racer" racer &
racer_pid=$!
bash -c 'exec -a "C:\\games\\game.exe" "$0" game' "$work/launcher" &
game_pid=$!
find_window() {
    local w=""
    for _ in $(seq 50); do
        w="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)"
        [[ -n "$w" ]] && { echo "$w"; return 0; }
        sleep 0.1
    done
    echo "the window $1 did not appear" >&2
    return 1
}
racer_win="$(find_window racer)"
game_win="$(find_window game)"

log="$work/hid.log"
start_program --simulate --hid-log "$log"
# The program's own window in front changes nothing; whatever the start applied is over.
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowactivate "$win"
sleep 1.5
wait_quiet "$log"

# applied_since OFFSET: the X sensitivity of each apply in the log after byte OFFSET.
applied_since() {
    python3 - "$log" "$1" <<'PY'
import sys, tempfile, hid_log
path, offset = sys.argv[1], int(sys.argv[2])
with open(path, "rb") as f:
    f.seek(offset)
    tail = f.read()
with tempfile.NamedTemporaryFile("wb", suffix=".log") as t:
    t.write(tail)
    t.flush()
    sent = hid_log.commands(t.name)
profiles = {100: 0, 40: 1, 60: 2}
applies = []
for block, payload in sent:
    if block[0] == 0x07:
        applies.append(None)
    elif block[0] == 0x06 and len(payload) > 35 and applies and applies[-1] is None:
        applies[-1] = profiles.get(payload[35], "x=%d" % payload[35])
print(" ".join(str(a) for a in applies))
PY
}

failed=0
# KEEP_LOG=<folder> keeps the HID log and the program's output there, for a look afterwards.
if [[ -n "${KEEP_LOG:-}" ]]; then
    trap 'cp "$log" "$work/log.txt" "$KEEP_LOG/" 2>/dev/null; stop_all' EXIT
fi
# check WHAT EXPECTED: the profiles applied since $mark, once the link is quiet.
check() {
    local what="$1" expected="$2" got last=-1 size quiet=0
    # Until the log has not grown for a second.
    for _ in $(seq 100); do
        size="$(stat -c %s "$log")"
        if [[ "$size" == "$last" ]]; then quiet=$((quiet + 1)); (( quiet >= 10 )) && break
        else quiet=0; last="$size"; fi
        sleep 0.1
    done
    got="$(applied_since "$mark")"
    if [[ "$got" == "$expected" ]]; then
        echo "$what: applied [$got]"
    else
        echo "$what: applied [$got], expected [$expected]"
        failed=1
    fi
}

mark="$(stat -c %s "$log")"
xdotool windowactivate "$racer_win"
sleep 1.6
check "racer in front" "1"

mark="$(stat -c %s "$log")"
xdotool windowactivate "$game_win"
sleep 1.6
check "game.exe in front" "2"

# Five activations within 300 ms: only the last program, racer, stayed in front.
mark="$(stat -c %s "$log")"
started=$(date +%s%N)
for w in "$racer_win" "$game_win" "$racer_win" "$game_win" "$racer_win"; do
    xdotool windowactivate "$w"
    sleep 0.05
done
took=$(( ($(date +%s%N) - started) / 1000000 ))
echo "five activations in $took ms"
sleep 1.6
check "five quick activations" "1"

# Standard chosen by hand in the program's own window (the profile page, its close icon sends
# it) while racer was the program in front: back in racer, Standard holds.
mark="$(stat -c %s "$log")"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowactivate "$win"
sleep 0.3
xdotool mousemove --window "$win" 80 620 click 1 sleep 0.5 \
        mousemove --window "$win" 440 54 click 1 sleep 0.3 \
        mousemove --window "$win" 616 31 click 1
sleep 1.5
xdotool windowactivate "$racer_win"
sleep 1.6
check "Standard by hand, then racer again" "0"

# The program list of the current profile (Standard): open it from the profile page, take a
# screenshot, then add the game from the windows list with the keyboard alone.
out="$build/screenshots"
mkdir -p "$out"
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool mousemove --window "$win" 80 620 click 1
sleep 0.5
xdotool mousemove --window "$win" 559 30 click 1
sleep 1
import -window "$win" "$out/program-list.png"
# Tab: from the feature switch to this profile's list, then the windows list (sorted by name:
# game.exe first); Enter adds the game.
xdotool key --delay 80 Tab Tab Down Up Return
sleep 0.5
import -window "$win" "$out/program-list-added.png"
xdotool key Escape
sleep 0.3
if ! grep -qx '0=game.exe' "$settings/programs.bin" || ! grep -qx '1=racer' "$settings/programs.bin"; then
    echo "the keyboard did not add game.exe to Standard:"; cat "$settings/programs.bin"; failed=1
fi
grep -q '^2=' "$settings/programs.bin" && { echo "game.exe is still with Shooter"; failed=1; }

grep -q "balloon: Info: Profile switched to Racing" "$work/log.txt" || { echo "no balloon named the profile"; failed=1; }
grep -q "balloon: Info: Profile switched to Shooter" "$work/log.txt" || { echo "no balloon named Shooter"; failed=1; }
if grep -q "cmd Failed" "$work/log.txt"; then grep "cmd Failed" "$work/log.txt"; echo "commands failed"; failed=1; fi
if grep -q "QML\|qml:" "$work/log.txt"; then grep "QML\|qml:" "$work/log.txt"; echo "QML warnings"; failed=1; fi
(( failed == 0 )) || { tail -n 40 "$work/log.txt"; exit 1; }
echo "program follow path passed"
