# Sourced before Wine starts: Wine turns Windows file names into Unix ones through the locale's
# character set, so under a locale that is not UTF-8 (a fresh login has none at all) a name with
# "Ü" or "😀" cannot be created. The caller's locale is kept when it is UTF-8 already; otherwise
# C.UTF-8, which Debian's C library has built in.
wine_utf8_locale() {
  if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
  fi
}
