#!/usr/bin/env bash
# Installs the build as a package would (DESTDIR, prefix /usr), checks what lands where,
# validates the desktop entry and the AppStream data, then runs the installed program against
# the virtual mouse as a user who may write nothing but a fresh home: the profiles must appear
# in that home, the installed tree must stay as it was, and a second run must keep what the
# user changed in between.
# Usage: tests/packaging/installed_program.sh <build folder>
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
work="$(mktemp -d)"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
id=example.morvant.SkaldConfig
for f in usr/bin/skald-config \
         usr/share/skald-config/HZK16 \
         usr/share/skald-config/modules/setting/{apConfig,name,p1,pD}.bin \
         usr/share/skald-config/modules/i18n/lang_025044.ini \
         usr/share/skald-config/modules/gun/gunData.bin \
         usr/share/skald-config/modules/img/trayIcon.ico \
         usr/lib/udev/rules.d/70-skald-mouse.rules \
         usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
         usr/share/icons/hicolor/scalable/apps/$id.svg \
         usr/share/man/man1/skald-config.1.gz \
         usr/share/doc/skald-config/{copyright,changelog.Debian.gz}; do
    [[ -f "$root/$f" ]] || fail "not installed: $f"
done
[[ -d "$root/usr/share/skald-config/modules/macro" ]] || fail "no macro folder in the shipped tree"
[[ ! -e "$root/usr/bin/modules" ]] || fail "a tree beside the installed executable"
# The pages and skin images are inside the executable; nothing of the sources or tests is installed.
stray="$(cd "$root" && find . -type f \( -name '.keep' -o -name '*.qml' -o -name 'tst_*' -o -name '*.png' ! -path './usr/share/icons/*' \))"
[[ -z "$stray" ]] || fail "installed by mistake: $stray"
grep -q 'TAG+="uaccess"' "$root/usr/lib/udev/rules.d/70-skald-mouse.rules" || fail "udev rule without uaccess"
for product in 0007 0008; do
    grep -q "ATTRS{idProduct}==\"$product\"" "$root/usr/lib/udev/rules.d/70-skald-mouse.rules" || fail "udev rule lacks $product"
    grep -q "usb:v1209p${product}d\*" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks $product"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 \
    || { cat "$work/appstream.txt"; fail "AppStream metainfo"; }
grep -qx "Exec=skald-config" "$root/usr/share/applications/$id.desktop" || fail "desktop entry does not start skald-config"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "desktop entry names another icon"

# A user who owns nothing but the new home. As root, that is a throwaway uid with no account
# (root could write into the installed tree); otherwise the tree is made read-only.
home="$work/home"
mkdir -p "$home/run"
chmod 700 "$home/run"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    uid=47391
    chmod 755 "$work"
    chown -R "$uid:$uid" "$home"
    as_user=(setpriv --reuid="$uid" --regid="$uid" --clear-groups --)
else
    chmod -R a-w "$root"
fi
as_user+=(env -i HOME="$home" XDG_RUNTIME_DIR="$home/run" PATH=/usr/bin:/bin)
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [[ -n "${!name:-}" ]] && as_user+=("$name=${!name}")
done
"${as_user[@]}" touch "$root/usr/share/skald-config/probe" 2>/dev/null && fail "the installed tree is writable for the user"

# From a shell without a display, as after installing the package over ssh.
"${as_user[@]}" "$root/usr/bin/skald-config" --help >"$work/help.txt" 2>&1 || { cat "$work/help.txt"; fail "--help"; }
grep -q -- "--apply-profile" "$work/help.txt" || fail "--help does not list --apply-profile"
code=0
"${as_user[@]}" "$root/usr/bin/skald-config" --no-such-option >/dev/null 2>&1 || code=$?
[[ $code -eq 2 ]] || fail "a bad option ended with $code, not 2"

snapshot() { (cd "$root" && find . -printf '%p %m %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$work/before.txt"

data="$home/.local/share/skald-config"
apply() {
    local code=0
    "${as_user[@]}" "$root/usr/bin/skald-config" --simulate --apply-profile 1 --hid-log "$home/wire$1.log" \
        >"$work/out$1.txt" 2>&1 || code=$?
    [[ $code -eq 0 ]] || { cat "$work/out$1.txt"; fail "run $1 ended with $code"; }
}

apply 1
for f in HZK16 modules/setting/{apConfig,name,p1,pD}.bin modules/i18n/lang_025044.ini \
         modules/gun/gunData.bin modules/img/trayIcon.ico; do
    [[ -f "$data/$f" ]] || fail "not in the user's folder after the first run: $f"
done
[[ -d "$data/modules/macro" ]] || fail "no macro folder in the user's folder"
grep -qx "profileNo=1" "$data/modules/setting/apConfig.bin" || fail "profile 1 was not made current"
[[ -f "$data/modules/setting/p2.bin" ]] || fail "profile 1 has no file in the user's folder"

# Between the runs the user slows the report rate of profile 1; the second run must send it.
sed -i 's/^reportRate_J2=.*/reportRate_J2=8/' "$data/modules/setting/p2.bin"
grep -qx "reportRate_J2=8" "$data/modules/setting/p2.bin" || fail "no report rate stored for profile 1"
apply 2
grep -qx "reportRate_J2=8" "$data/modules/setting/p2.bin" || fail "the second run lost the changed report rate"
grep -q ' SF 000308' "$home/wire2.log" || { grep ' SF ' "$home/wire2.log" | head; fail "the changed report rate was not sent"; }

# The user's settings folder turns read-only (a full or read-only disk): the apply must make
# profile 1 current again, cannot store it, says so and fails; the files stay as they were.
sed -i 's/^profileNo=.*/profileNo=0/' "$data/modules/setting/apConfig.bin"
chmod a-w "$data/modules/setting" "$data/modules/setting"/*
settings_before="$(cd "$data/modules/setting" && sha256sum ./*)"
code=0
"${as_user[@]}" "$root/usr/bin/skald-config" --simulate --apply-profile 1 >"$work/out3.txt" 2>&1 || code=$?
chmod u+w "$data/modules/setting" "$data/modules/setting"/*
[[ $code -eq 2 ]] || { cat "$work/out3.txt"; fail "an apply that could not store its settings ended with $code, not 2"; }
grep -q "cannot write .*apConfig.bin" "$work/out3.txt" || { cat "$work/out3.txt"; fail "the failed write was not named"; }
grep -q "could not be stored" "$work/out3.txt" || { cat "$work/out3.txt"; fail "the apply did not say why it failed"; }
[[ "$(cd "$data/modules/setting" && sha256sum ./*)" == "$settings_before" ]] || fail "a settings file changed"

snapshot >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the installed tree changed"
echo "installed, validated, run twice from a read-only installation, and refused a read-only settings folder"
