#!/usr/bin/env bash
# Configures and builds one target: "native" (Linux, sanitizers) or "win32" (PBW.exe and its tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: build.sh native|win32}

case "$target" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug -DPBW_SANITIZE=ON) ;;
  win32)  args=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-mingw-i686.cmake") ;;
  *) echo "unknown target: $target" >&2; exit 2 ;;
esac
cmake -S "$root" -B "${PBW_BUILD_ROOT:-$root/build}/$target" -G Ninja "${args[@]}" >/dev/null
cmake --build "${PBW_BUILD_ROOT:-$root/build}/$target"
