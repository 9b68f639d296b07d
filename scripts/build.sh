#!/usr/bin/env bash
# Configures and builds one target: "native" (Linux, sanitizers) or "win32" (PBW.exe and its tests).
# With --quiet the build speaks only when it fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --quiet ]; then
  log=$(mktemp)
  "$0" "${@:2}" >"$log" 2>&1 || { cat "$log"; rm -f "$log"; exit 1; }
  rm -f "$log"
  exit 0
fi
target=${1:?usage: build.sh [--quiet] native|win32}

case "$target" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug -DPBW_SANITIZE=ON) ;;
  win32)  args=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-mingw-i686.cmake") ;;
  *) echo "unknown target: $target" >&2; exit 2 ;;
esac
cmake -S "$root" -B "${PBW_BUILD_ROOT:-$root/build}/$target" -G Ninja "${args[@]}" >/dev/null
cmake --build "${PBW_BUILD_ROOT:-$root/build}/$target"
