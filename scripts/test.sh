#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the native build with sanitizers, a short pass of every fuzz target, then the Windows build under
# Wine on a virtual display, and the end-to-end tests once more on PBW.exe as clang builds it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

# The TLS tests reach the test server as "localhost", whose certificate bears that name.
if ! getent ahostsv4 localhost | grep -q '^127\.0\.0\.1 '; then
  echo "test.sh: \"localhost\" does not resolve to 127.0.0.1; add \"127.0.0.1 localhost\" to /etc/hosts" >&2
  exit 1
fi

scripts/build.sh native
scripts/build.sh win32
scripts/build.sh win32-clang

ctest --test-dir "${PBW_BUILD_ROOT:-build}/native" --output-on-failure --timeout 300
scripts/fuzz.sh

source scripts/wine-session.sh
wine_session_start
ctest --test-dir "${PBW_BUILD_ROOT:-build}/win32" --output-on-failure --timeout 600

# A short soak: PBW.exe must not grow over 100 checks against the real Dovecot.
scripts/soak.sh 100
ctest --test-dir "${PBW_BUILD_ROOT:-build}/win32-clang" -R pbw_end_to_end --output-on-failure --timeout 600
