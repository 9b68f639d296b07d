#!/usr/bin/env bash
# Installs what is missing, builds PBW.exe and starts it under Wine.
#
# On a desktop (DISPLAY is set) PostboxWatchman runs as on Windows, in the user's Wine prefix:
# its icon appears in the notification area; a click on it opens the window.
#
# Without a display it gives a demonstration that needs no mail account: a virtual display, a
# local POP3 server with one message and a Wine prefix of its own (the user's settings stay
# untouched). It opens the window, enters the demo server and presses "&Test" as a user would,
# prints the status line and saves a screenshot (build/demo.png, or the path given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh win32 >/dev/null
build=${PBW_BUILD_ROOT:-$root/build}/win32
pbw_exe="$build/mainwindow/PBW.exe"

if [ -n "${DISPLAY:-}" ]; then
  WINEDEBUG=-all exec wine "$pbw_exe"
fi

screenshot=${1:-$root/build/demo.png}
source scripts/wine-session.sh
wine_session_start
server_state="$WINE_SESSION_DIR/pop3"
tests/support/dovecot/dovecot-fixture.sh start "$server_state" >/dev/null
trap 'tests/support/dovecot/dovecot-fixture.sh stop "$server_state"; wine_session_stop' EXIT
source "$server_state/fixture.env"

status_file="$WINE_SESSION_DIR/status.txt"
done_file="$WINE_SESSION_DIR/done"
wine explorer /desktop=PostboxWatchman,800x600 "$build/tests/support/pbw_demo_driver.exe" "$pbw_exe" "127.0.0.1:$PBW_DOVECOT_PORT" \
  "$PBW_DOVECOT_FULL_USER" "$PBW_DOVECOT_FULL_PASS" "Z:$status_file" "Z:$done_file" &
driver=$!
for _ in $(seq 600); do [ -s "$status_file" ] && break; sleep 0.2; done
sleep 0.5  # let the window repaint its status bar
import -window root -crop 800x600+0+0 +repage "$screenshot"
touch "$done_file"
wait "$driver"

echo "Status line: $(cat "$status_file")"
echo "Screenshot:  $screenshot"
