#!/usr/bin/env bash
# Builds the Release PBW.exe and writes the two downloads to dist/: PostboxWatchman-<version>.zip
# and PostboxWatchman-<version>-setup.exe. It uses the Windows build folder of scripts/build.sh, so
# the files are those that the tests under Wine install and unpack.
# Two runs from the same commit give the same bytes: file times come from SOURCE_DATE_EPOCH, which
# defaults to the time of the last commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

build="${PBW_BUILD_ROOT:-$root/build}/win32"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
rm -rf "$build/dist"
cmake --build "$build" --target pbw_packages

mkdir -p dist
for file in "$build"/dist/*; do
  cp "$file" dist/
  echo "dist/$(basename "$file"): $(stat -c %s "$file") bytes"
done
