#!/usr/bin/env bash
# Configures and builds into the given folder (default: build) with any extra CMake options.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-build}"; shift || true
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$top/$dir" -j "$(nproc)"
