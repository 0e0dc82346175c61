# Sourced by the end-to-end scripts: a private installation of the program in a temporary
# folder (nothing is written into the build's own runtime tree) and a private Xvfb display.
# Expects `build` to be set and the tools named in `$@` to exist; sets `work`, `app_pid` (for
# the caller to fill) and DISPLAY, and cleans everything up on exit.
for tool in Xvfb "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 0; }
done

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$build/skald-config" "$work/"
cp -r "$build/modules" "$work/"
[[ -f "$build/HZK16" ]] && cp "$build/HZK16" "$work/"

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# A first start takes the desktop's language: the scripts' clicks and texts are the English ones
# unless a script asks for another.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
# The scripts look for the link's own lines ("cmd Failed") in the program's output.
export QT_LOGGING_RULES="skald.*.debug=true"
# The scripts' Python parts read the HID log with hid_log.py, next to this file.
export PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"

# start_program ARGS...: starts the private copy with ARGS (output in $work/log.txt) and waits
# for its window; sets app_pid and win.
start_program() {
    "$work/skald-config" "$@" > "$work/log.txt" 2>&1 &
    app_pid=$!
    win=""
    for _ in $(seq 100); do
        win="$(xdotool search --onlyvisible --class skald-config 2>/dev/null | head -n1 || true)"
        [[ -n "$win" ]] && break
        sleep 0.1
    done
    [[ -n "$win" ]] || { echo "the window did not appear"; cat "$work/log.txt"; exit 1; }
    wait_drawn
}

# wait_drawn: waits (at most half a minute) until the window shows its pages and has stopped
# changing: a loaded machine maps the window well before the pages are loaded, and a click
# before that is lost.
wait_drawn() {
    local previous="" current spread
    command -v import >/dev/null && command -v convert >/dev/null || { sleep 2; return 0; }
    for _ in $(seq 60); do
        sleep 0.5
        import -window "$win" "$work/drawn.png" 2>/dev/null || continue
        spread="$(convert "$work/drawn.png" -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 0)"
        awk -v s="$spread" 'BEGIN { exit !(s > 0.01) }' || continue
        current="$(convert "$work/drawn.png" rgb:- | md5sum)"
        [[ "$current" == "$previous" ]] && return 0
        previous="$current"
    done
}

# wait_quiet FILE: waits until FILE has stopped growing for three seconds (at most a minute).
# Clicks and keys reach a busy program late, and an upload takes its time: what the program is
# still sending must be in the HID log before the log is read.
wait_quiet() {
    local last=-1 size quiet=0
    for _ in $(seq 600); do
        size="$(stat -c %s "$1" 2>/dev/null || echo 0)"
        if [[ "$size" == "$last" ]]; then
            quiet=$((quiet + 1))
            [[ $quiet -ge 30 ]] && return 0
        else
            quiet=0
            last="$size"
        fi
        sleep 0.1
    done
}
