#!/usr/bin/env bash
# Runs consecutive checks of the real PBW.exe against the real Dovecot and prints, every tenth of the
# run, the process's handles, GDI and USER objects and private bytes; fails unless every sample after
# the first lies within 1 % of it (a count also within one object). Expects the Windows build
# (scripts/build.sh win32 or win64).
#
#   scripts/soak.sh [sessions, default 1000] [build: win32 or win64, default the one this machine runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-session.sh
sessions=${1:-1000}
windows_build=${2:-$(runnable_windows_build)}
build=${PBW_BUILD_ROOT:-$root/build}/$windows_build

# In a network namespace of its own, with a Wine session of its own: Dovecot's port 995 may be
# held by another test run on this machine.
if [ -z "${PBW_SOAK_NAMESPACE:-}" ]; then
  exec env PBW_SOAK_NAMESPACE=1 unshare --net -- bash "$0" "$@"
fi
ip link set lo up

dovecot_state="$build/tests/support/dovecot/state"
stop_all() {
  [ -n "${WINE_SESSION_DIR:-}" ] && wine_session_stop
  bash tests/support/dovecot/dovecot-fixture.sh stop "$dovecot_state" >/dev/null 2>&1 || true
}
trap stop_all EXIT
bash tests/support/dovecot/dovecot-fixture.sh start "$dovecot_state" >/dev/null
wine_session_start "$windows_build"
trap stop_all EXIT

echo "Soak: $sessions checks of the $windows_build PBW.exe against Dovecot"
# Through a file: PBW.exe inherits the Unix standard output and would hold a pipe open.
table=$(mktemp)
status=0
"$PBW_WINE" "$build/bench/pbw_soak.exe" "$sessions" "$((sessions >= 10 ? sessions / 10 : 1))" >"$table" </dev/null || status=$?
cat "$table"
rm -f "$table"
exit "$status"
