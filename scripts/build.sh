#!/usr/bin/env bash
# Configures and builds one target: "native" (Linux, sanitizers), "win32" or "win64" (the 32-bit or
# the 64-bit PBW.exe and its tests), or "win32-clang" or "win64-clang" (the same built by clang, a
# second compiler over the Windows code).
# Warnings in the project's own code fail the build; the compile commands are kept for the checks.
# With --quiet the build speaks only when it fails; with --configure it only configures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --quiet ]; then
  log=$(mktemp)
  "$0" "${@:2}" >"$log" 2>&1 || { cat "$log"; rm -f "$log"; exit 1; }
  rm -f "$log"
  exit 0
fi
configure_only=""
[ "${1:-}" = --configure ] && { configure_only=1; shift; }
target=${1:?usage: build.sh [--quiet] [--configure] native|win32|win64|win32-clang|win64-clang}

windows_build() { args=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-mingw-$1.cmake"); }
case "$target" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug -DPBW_SANITIZE=ON) ;;
  win32) windows_build i686 ;;
  win64) windows_build x86_64 ;;
  win32-clang) windows_build i686-clang ;;
  win64-clang) windows_build x86_64-clang ;;
  *) echo "unknown target: $target" >&2; exit 2 ;;
esac
cmake -S "$root" -B "${PBW_BUILD_ROOT:-$root/build}/$target" -G Ninja "${args[@]}" \
  -DPBW_WARNINGS_AS_ERRORS=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
[ -n "$configure_only" ] || cmake --build "${PBW_BUILD_ROOT:-$root/build}/$target"
