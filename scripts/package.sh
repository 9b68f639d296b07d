#!/usr/bin/env bash
# Builds the Release PBW.exe for 32-bit and for 64-bit Windows and writes the four downloads to
# dist/: PostboxWatchman-<version>.zip and PostboxWatchman-<version>-setup.exe with the 32-bit
# program, PostboxWatchman-<version>-x64.zip and PostboxWatchman-<version>-x64-setup.exe with the
# 64-bit one. It uses the Windows build folders of scripts/build.sh, so the files are those that
# the tests under Wine install and unpack.
# Two runs from the same commit give the same bytes: file times come from SOURCE_DATE_EPOCH, which
# defaults to the time of the last commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

mkdir -p dist
for windows_build in win32 win64; do
  build="${PBW_BUILD_ROOT:-$root/build}/$windows_build"
  scripts/build.sh --quiet --configure "$windows_build"
  rm -rf "$build/dist"
  cmake --build "$build" --target pbw_packages
  for file in "$build"/dist/*; do
    cp "$file" dist/
    echo "dist/$(basename "$file"): $(stat -c %s "$file") bytes"
  done
done
