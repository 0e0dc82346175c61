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
