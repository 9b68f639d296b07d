#!/usr/bin/env bash
# Runs a Windows program under Wine; CTest uses it for every test of the Windows build.
# scripts/test.sh provides the display and the Wine prefix.
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no Wine session; run the tests through scripts/test.sh" >&2
  exit 2
fi
exec wine "$@"
