#!/usr/bin/env bash
# A demonstration of PBW.exe that needs no display and no mail account: a virtual display, a local
# POP3 server with one message, and a Wine prefix of its own (the user's settings stay untouched).
# It opens the window as a click on the tray icon would, enters the demo server, presses "&Test",
# prints the status line and saves a screenshot.
#
#   demo.sh [--aged] [--about] <screenshot.png>
#     --aged   the program file dated 90 days back: the maker's banner instead of the partner's
#     --about  the About dialog opened after the check
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

aged="" about=""
while [[ ${1:-} == --* ]]; do
  case "$1" in
    --aged) aged=1 ;;
    --about) about=--about ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done
screenshot=${1:?usage: demo.sh [--aged] [--about] <screenshot.png>}
source scripts/wine-session.sh
windows_build=$(runnable_windows_build)
build=${PBW_BUILD_ROOT:-$root/build}/$windows_build
wine_session_start "$windows_build"
server_state="$WINE_SESSION_DIR/pop3"
tests/support/dovecot/dovecot-fixture.sh start "$server_state" >/dev/null
trap 'tests/support/dovecot/dovecot-fixture.sh stop "$server_state"; wine_session_stop' EXIT
source "$server_state/fixture.env"

program="$WINE_SESSION_DIR/program"
mkdir -p "$program"
cp "$build/mainwindow/PBW.exe" "$build/mainwindow/hilfe.htm" "$program/"
[ -n "$aged" ] && touch -d "90 days ago" "$program/PBW.exe"

status_file="$WINE_SESSION_DIR/status.txt"
done_file="$WINE_SESSION_DIR/done"
# A Wine desktop window draws the frames and the task bar with the notification area.
"$PBW_WINE" explorer /desktop=PostboxWatchman,800x600 "$build/tests/support/pbw_demo_driver.exe" "$program/PBW.exe" \
  "127.0.0.1:$PBW_DOVECOT_PORT" "$PBW_DOVECOT_FULL_USER" "$PBW_DOVECOT_FULL_PASS" \
  "Z:$status_file" "Z:$done_file" $about &
driver=$!
for _ in $(seq 600); do [ -s "$status_file" ] && break; sleep 0.2; done
sleep 0.5  # let the windows finish painting
import -window root -crop 800x600+0+0 +repage "$screenshot"
touch "$done_file"
wait "$driver"

echo "Status line: $(cat "$status_file")"
echo "Screenshot:  $screenshot"
