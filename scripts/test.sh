#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the native build with sanitizers, then the Windows build under Wine on a virtual display, and the
# end-to-end tests once more on PBW.exe as clang builds it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh native
scripts/build.sh win32
scripts/build.sh win32-clang

ctest --test-dir "${PBW_BUILD_ROOT:-build}/native" --output-on-failure --timeout 300

source scripts/wine-session.sh
wine_session_start
ctest --test-dir "${PBW_BUILD_ROOT:-build}/win32" --output-on-failure --timeout 600
ctest --test-dir "${PBW_BUILD_ROOT:-build}/win32-clang" -R pbw_end_to_end --output-on-failure --timeout 600
