# Sourced before Wine starts: Wine turns Windows file names into Unix ones through the locale's
# character set, so under a locale that is not UTF-8 (a fresh login has none at all) a name with
# "Ü" or "😀" cannot be created. The caller's locale is kept when it is UTF-8 already; otherwise
# C.UTF-8, which Debian's C library has built in.
wine_utf8_locale() {
  if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
  fi
}

# Writes the German UTF-8 locale into folder $1, from the sources of Debian's "locales" package,
# without root rights and without touching the system's locales. A program started with
# LOCPATH=$1 LC_ALL=de_DE.UTF-8 then runs as on a German Windows: Wine takes its language, and the
# names the system gives, from the locale.
german_locale() {
  [ -f "$1/de_DE.UTF-8/LC_CTYPE" ] && return 0
  mkdir -p "$1"
  # Warnings about the locale's sources give exit code 1; the locale is written all the same.
  localedef -c -i de_DE -f UTF-8 "$1/de_DE.UTF-8" >/dev/null 2>&1
  [ -f "$1/de_DE.UTF-8/LC_CTYPE" ] || { echo "no German locale: is Debian's 'locales' package installed?" >&2; return 1; }
}
