# Sourced: gives this shell a virtual display and a Wine prefix of its own, both removed on exit.
# Afterwards DISPLAY, WINEPREFIX and WINEDEBUG are exported, the locale is a UTF-8 one and a
# wineserver is kept running.
source "$(dirname "${BASH_SOURCE[0]}")/wine-locale.sh"

wine_session_start() {
  wine_utf8_locale
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  WINE_SESSION_DIR=$(mktemp -d /tmp/pbw-wine.XXXXXX)
  export WINEPREFIX="$WINE_SESSION_DIR/prefix"
  mkdir -p "$WINEPREFIX"

  if [ -z "${PBW_USE_DISPLAY:-}" ]; then
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    local n=""
    read -r -t 20 n <&"$displayfd" || { echo "Xvfb did not start" >&2; return 1; }
    exec {displayfd}>&-
    export DISPLAY=":$n"
  fi
  trap wine_session_stop EXIT
  # A persistent wineserver saves each test program its own Wine start-up.
  wineserver -p
  wineboot -i >/dev/null 2>&1
  # Xvfb has no window manager. Windows that Wine leaves to one wait two seconds in vain for it each
  # time they are hidden; unmanaged ones are hidden at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null
  [ -n "${WINE_SESSION_DIR:-}" ] && rm -rf "$WINE_SESSION_DIR"
  return 0
}
