#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program; options go to the program
# (for example --simulate for the virtual mouse).
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" build
exec "$top/build/skald-config" "$@"
