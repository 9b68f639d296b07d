#!/usr/bin/env bash
# Installs what is missing, builds PBW.exe and starts it under Wine.
#
# On a desktop (DISPLAY is set) PostboxWatchman runs as on Windows, in the user's Wine prefix:
# its icon appears in the notification area; a click on it opens the window.
#
# Without a display it gives the demonstration of scripts/demo.sh, which needs no mail account,
# and saves its screenshot to build/demo.png (or the path given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh --quiet win32
build=${PBW_BUILD_ROOT:-$root/build}/win32
pbw_exe="$build/mainwindow/PBW.exe"

if [ -n "${DISPLAY:-}" ]; then
  source scripts/wine-locale.sh
  wine_utf8_locale
  WINEDEBUG=-all exec wine "$pbw_exe"
fi

exec scripts/demo.sh "${1:-$root/build/demo.png}"
