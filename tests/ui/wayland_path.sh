#!/usr/bin/env bash
# The program on Qt's Wayland platform under a Wayland compositor (Weston's X11 backend on a
# private Xvfb): the window appears, a drag moves it through the compositor, a profile is made
# and chosen with clicks and the mouse receives that profile (HID log); the minimise button
# minimises through the compositor. On a compositor with no seat (Weston's headless backend)
# the program falls back to X11 when it can and otherwise ends with a clear message.
# Screenshots in <build>/screenshots/wayland-*.png.
# Usage: tests/ui/wayland_path.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
out="$build/screenshots"
mkdir -p "$out"
source "$(dirname "$0")/xvfb_session.sh" xdotool import convert compare python3 weston

plugins="$(/usr/lib/qt6/bin/qtpaths6 -query QT_INSTALL_PLUGINS 2>/dev/null || true)"
compgen -G "${plugins:-/nonexistent}/platforms/libqwayland-*.so" >/dev/null \
    || compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so" >/dev/null \
    || { echo "skipped: qt6-wayland is missing"; exit 0; }

helpers=()
trap 'for p in "${helpers[@]}"; do kill "$p" 2>/dev/null || true; done; cleanup' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_SOCKET

fail() {
    echo "$1"
    cat "$work/log.txt" 2>/dev/null || true
    import -window root "$out/wayland-failed.png" 2>/dev/null || true
    exit 1
}
until_true() {
    local tries=$(( $1 * 10 )); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
# weston BACKEND SOCKET ARGS...: a compositor of its own, listening on SOCKET.
weston_on() {
    local backend="$1" socket="$2"; shift 2
    weston --backend="$backend" --no-config --idle-time=0 --socket="$socket" "$@" > "$work/$socket.txt" 2>&1 &
    helpers+=($!)
    until_true 10 test -S "$XDG_RUNTIME_DIR/$socket" || { cat "$work/$socket.txt"; fail "weston ($backend) did not start"; }
}

# No seat: without an X display a clear message, with one the X11 window.
weston_on headless-backend.so seatless
status=0
env -u DISPLAY WAYLAND_DISPLAY=seatless QT_QPA_PLATFORM=wayland timeout 20 "$work/skald-config" --simulate \
    > "$work/log.txt" 2>&1 || status=$?
[[ $status -eq 2 ]] || fail "on a seatless compositor without X the program ended with $status, not 2"
grep -q "offers no seat" "$work/log.txt" || fail "no word about the missing seat"
WAYLAND_DISPLAY=seatless QT_QPA_PLATFORM=wayland start_program --simulate
grep -q "starting on X11 instead" "$work/log.txt" || fail "the X11 window came without a word"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""
echo "seatless compositor: the program says so and uses X11 where it can"

# A compositor with a seat. Its output covers the Xvfb screen, with a panel along its top; the
# pointer rests on the panel so that it is in no picture of the desktop. Weston's X11 backend
# moves its pointer by the X pointer's steps and stops it at the output's edges: two moves
# into opposite corners bring both pointers to the same place.
weston_on x11-backend.so seated --width=1280 --height=800
export WAYLAND_DISPLAY=seated QT_QPA_PLATFORM=wayland
sleep 1
xdotool mousemove 1279 799 sleep 0.2 mousemove 0 0 sleep 0.2 mousemove 600 10
shoot() { import -window root -crop 1280x750+0+50 +repage "$1"; }
sleep 2
shoot "$work/desktop.png"

# window_box: where the program's window lies on the screen, as x y (its top-left corner),
# from what differs from the bare desktop.
window_box() {
    shoot "$work/now.png"
    convert "$work/desktop.png" "$work/now.png" -compose difference -composite -threshold 8% \
        -trim -format '%X %Y %w %h' info: 2>/dev/null | tr -d '+' | awk '{ print $1, $2 + 50, $3, $4 }'
}
# wait_window: waits until the window is drawn and still (its box and pixels unchanged).
wait_window() {
    local previous="" current
    for _ in $(seq 60); do
        sleep 0.5
        read -r wx wy ww wh < <(window_box) || continue
        [[ "${ww:-0}" -ge 900 && "${wh:-0}" -ge 600 ]] || continue
        current="$wx $wy $(md5sum < "$work/now.png")"
        [[ "$current" == "$previous" ]] && return 0
        previous="$current"
    done
    fail "the window did not appear on the compositor"
}
at() { xdotool mousemove $(( wx + $1 )) $(( wy + $2 )) click 1; sleep "${3:-0.5}"; }

log="$work/hid.log"
"$work/skald-config" --simulate --hid-log "$log" > "$work/log.txt" 2>&1 &
app_pid=$!
until_true 20 grep -q "Detect Mouse" "$work/log.txt" || fail "the program found no mouse"
wait_window
grep -q "xcb\|XInput" "$work/log.txt" && fail "the program did not run on Wayland"
import -window root "$out/wayland-start.png"
echo "window at $wx,$wy (${ww}x$wh)"

# A drag on the background between the two bottom buttons.
x0=$wx y0=$wy
xdotool mousemove $(( wx + 500 )) $(( wy + 625 )) mousedown 1 sleep 0.2 \
    mousemove_relative 20 10 sleep 0.1 mousemove_relative 20 10 sleep 0.1 mousemove_relative 20 10 sleep 0.2 mouseup 1
xdotool mousemove 600 10
wait_window
import -window root "$out/wayland-dragged.png"
(( wx - x0 >= 30 && wy - y0 >= 15 )) || fail "the drag moved the window from $x0,$y0 to $wx,$wy"
echo "drag: $x0,$y0 -> $wx,$wy"

# The profile page: a new profile, chosen with a click on its row, then the page closed, which
# sends it.
at 80 620
at 435 601
at 420 71
import -window root "$out/wayland-profile.png"
at 615 32
wait_quiet "$log"
python3 - "$log" "$work/modules/setting" <<'PY'
import configparser, sys
import hid_log

log, settings = sys.argv[1:3]
config = configparser.ConfigParser(interpolation=None)
config.read(settings + "/apConfig.bin")
current = int(config.get("J2", "profileNo", fallback="-1"))
if current != 1:
    sys.exit("wayland: profile %d is current, not the new profile 1" % current)
profile = configparser.ConfigParser(interpolation=None)
profile.read(settings + "/p2.bin")
block = bytes(int(v) for v in profile.get("profile", "data").split(","))
blocks = [payload[:128] for command, payload in hid_log.commands(log) if command[0] == 0x06]
if not blocks or blocks[-1] != block:
    sys.exit("wayland: the mouse did not receive the chosen profile's block")
print("wayland: profile 1 chosen with clicks and sent (%d blocks)" % len(blocks))
PY

# Minimise: the window leaves the desktop.
xdotool mousemove 600 10
sleep 0.5
at 963 14 1.0
xdotool mousemove 600 10
sleep 0.5
shoot "$work/now.png"
differ="$(compare -metric AE -fuzz 8% "$work/desktop.png" "$work/now.png" null: 2>&1 || true)"
import -window root "$out/wayland-minimised.png"
(( ${differ%% *} < 5000 )) || fail "minimise left $differ pixels of the window on the desktop"
kill -0 "$app_pid" || fail "the program ended on minimise"
# Nothing but the program's own debug lines: no warning of Qt's or of the pages.
if grep -v "^skald\." "$work/log.txt"; then fail "warnings at run time"; fi
echo "wayland: minimised through the compositor"
