#!/usr/bin/env bash
# Runs a Windows program under Wine; CTest uses it for every test of the Windows build.
# scripts/test.sh provides the display and the Wine prefix.
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no Wine session; run the tests through scripts/test.sh" >&2
  exit 2
fi
# Whatever a program starts under Wine inherits its Unix output: the desktop process that Wine
# starts for the first window (it stays a while after the program), PBW.exe, the stand-in mail
# client. On a pipe, CTest would wait until the last of them ended; a file lets it go as soon as
# the program itself ends.
output=$(mktemp /tmp/pbw-wine-run.XXXXXX)
"${PBW_WINE:-wine}" "$@" >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"
