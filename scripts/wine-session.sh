# Sourced: gives this shell a virtual display and a Wine prefix of its own, both removed on exit.
# wine_session_start [BUILD] starts one for the programs of a Windows build (win32, win64, ...; by
# default the one this machine runs). Afterwards DISPLAY, WINEPREFIX, WINEDEBUG and PBW_WINE (see
# use_wine_loader_of) are exported, the locale is a UTF-8 one and a wineserver
# is kept running.
source "$(dirname "${BASH_SOURCE[0]}")/wine-locale.sh"

# Whether this machine starts 32-bit Linux programs, as Debian's 32-bit Wine needs. Some kernels
# start none ("32-bit emulation disabled"); PBW_NO_32BIT=1 takes that path on any machine.
machine_runs_32bit() {
  [ -z "${PBW_NO_32BIT:-}" ] && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1
}

# The Windows build this machine runs: the 32-bit one where it can, the 64-bit one everywhere.
runnable_windows_build() {
  if machine_runs_32bit; then echo win32; else echo win64; fi
}

# Exports PBW_WINE, the Wine loader for the programs of a build, and WINELOADER, the one Wine uses for
# the programs it starts itself. Debian's "wine" command takes the 32-bit loader whenever it is
# installed, and that one cannot start without 32-bit support: a 64-bit build's programs go to the
# 64-bit loader itself.
use_wine_loader_of() {
  case "$1" in
    win64*) export PBW_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) export PBW_WINE=wine && unset WINELOADER ;;
  esac
}

wine_session_start() {
  wine_utf8_locale
  use_wine_loader_of "${1:-$(runnable_windows_build)}"
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
  "$PBW_WINE" wineboot -i >/dev/null 2>&1
  # Xvfb has no window manager. Windows that Wine leaves to one wait two seconds in vain for it each
  # time they are hidden; unmanaged ones are hidden at once.
  "$PBW_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null
  [ -n "${WINE_SESSION_DIR:-}" ] && rm -rf "$WINE_SESSION_DIR"
  WINE_SESSION_XVFB="" WINE_SESSION_DIR=""
  return 0
}
