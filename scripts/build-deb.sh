#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds the program alone (no tests) with
# Debian's hardening flags into the given folder (default: build-deb), and packs its
# installation with CPack. Prints the package's path on the last line.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="$top/${1:-build-deb}"
"$top/scripts/install-deps.sh"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSKALD_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/*.deb
