#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the native build with sanitizers, a short pass of every fuzz target, then the Windows build under
# Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh native
scripts/build.sh win32

ctest --test-dir "${PBW_BUILD_ROOT:-build}/native" --output-on-failure --timeout 300
scripts/fuzz.sh

source scripts/wine-session.sh
wine_session_start
ctest --test-dir "${PBW_BUILD_ROOT:-build}/win32" --output-on-failure --timeout 600
