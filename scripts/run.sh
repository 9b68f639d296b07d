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
source scripts/wine-session.sh
windows_build=$(runnable_windows_build)
scripts/build.sh --quiet "$windows_build"
pbw_exe="${PBW_BUILD_ROOT:-$root/build}/$windows_build/mainwindow/PBW.exe"

if [ -n "${DISPLAY:-}" ]; then
  wine_utf8_locale
  use_wine_loader_of "$windows_build"
  WINEDEBUG=-all exec "$PBW_WINE" "$pbw_exe"
fi

exec scripts/demo.sh "${1:-$root/build/demo.png}"
