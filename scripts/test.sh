#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the native build with
# sanitizers, a short pass of every fuzz target, then each Windows build under Wine on a virtual
# display (unit, Wine and end-to-end tests, the release downloads, a short soak) and the end-to-end
# tests once more on the 64-bit PBW.exe as clang builds it.
#
# The 32-bit clang build is compiled and linked, never run: clang and GCC disagree on 32-bit Windows
# about how many bytes a member function with an empty argument (an iterator tag) pops off the
# stack, and where the linker keeps clang's copy of a libstdc++ template, GCC's precompiled
# std::string code calls it and returns with the stack pointer four bytes off (LLVM issue 58255).
# The 64-bit convention leaves the stack to the caller, so there both compilers agree.
#
# The 64-bit PBW.exe is tested on every machine, under 64-bit Wine. The 32-bit one is built on
# every machine and tested where the kernel starts 32-bit programs, as Debian's 32-bit Wine needs;
# PBW_NO_32BIT=1 leaves it untested on any machine. The last lines say which build was tested.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root=${PBW_BUILD_ROOT:-build}

scripts/install-deps.sh

# The TLS tests reach the test server as "localhost", whose certificate bears that name.
if ! getent ahostsv4 localhost | grep -q '^127\.0\.0\.1 '; then
  echo "test.sh: \"localhost\" does not resolve to 127.0.0.1; add \"127.0.0.1 localhost\" to /etc/hosts" >&2
  exit 1
fi

for target in native win32 win64 win32-clang win64-clang; do
  scripts/build.sh "$target"
done

ctest --test-dir "$build_root/native" --output-on-failure --timeout 300
scripts/fuzz.sh

source scripts/wine-session.sh

test_windows_build() {  # win32 or win64
  wine_session_start "$1"
  ctest --test-dir "$build_root/$1" --output-on-failure --timeout 600
  if [ "$1" = win64 ]; then
    ctest --test-dir "$build_root/win64-clang" -R pbw_end_to_end --output-on-failure --timeout 600
  fi
  wine_session_stop
  # A short soak: PBW.exe must not grow over 100 checks against the real Dovecot.
  scripts/soak.sh 100 "$1"
}

verdicts=()
test_windows_build win64
verdicts+=("win64 (64-bit PBW.exe): tested")
if machine_runs_32bit; then
  test_windows_build win32
  verdicts+=("win32 (32-bit PBW.exe): tested")
else
  verdicts+=("win32 (32-bit PBW.exe): built, not run: this machine runs no 32-bit programs")
fi
printf '%s\n' "${verdicts[@]}"
