#!/usr/bin/env bash
# Runs the release tests as on a new user's machine: in a Wine prefix made for them alone, removed
# afterwards, with the zip archive unpacked the way a user would.
# usage: in_fresh_prefix.sh ZIP UNPACK_FOLDER TEST_PROGRAM [ARGUMENTS...]
# The display comes from the test session (scripts/wine-session.sh).
set -euo pipefail
zip=$1 unpacked=$2
shift 2

rm -rf "$unpacked"
unzip -q "$zip" -d "$unpacked"

export WINEDEBUG=-all
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/pbw-release.XXXXXX)
# Whatever is still running in the prefix holds the caller's output open: end it with the prefix.
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
"${PBW_WINE:-wine}" wineboot -i >/dev/null 2>&1
"${PBW_WINE:-wine}" "$@"
