#!/usr/bin/env bash
# Static checks of the project's own code, each with zero findings:
#   clang-tidy  on the native compile commands, and on the Windows-only files through clang's
#               64-bit mingw target (the build folders are configured, not built);
#   cppcheck    over every source folder, with the defines of the Windows build;
#   layout      clang-format's verdict on every C++ file.
# Needs what scripts/install-deps.sh installs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${PBW_BUILD_ROOT:-$root/build}
jobs=$(nproc)

sources=(about bench common desktop engine forms fuzz helplinks mainwindow resources settings tray tests)
failed=()

own_files_of() {  # the project's translation units in a compile-commands file, minus those of a second
  python3 - "$@" <<'EOF'
import json, sys
def files(path):
    return [e["file"] for e in json.load(open(path)) if not e["file"].startswith("/usr/") and e["file"].endswith(".cpp")]
skip = set(files(sys.argv[2])) if len(sys.argv) > 2 else set()
print("\n".join(f for f in files(sys.argv[1]) if f not in skip))
EOF
}

# The Windows tests are left to the compilers there: clang-tidy 14 reads all of windows.h for every
# file (about 5 s each), and both compilers already build them with warnings as errors.
program_files_only() { grep -v -e '/tests/' -e '/bench/' || true; }

run_tidy() {  # build folder, files on stdin
  xargs -r -P "$jobs" -n 4 clang-tidy -p "$1" --quiet 2>&1 | grep -v '^[0-9]* warnings\? generated\.$' || true
}

echo "== clang-tidy"
start=$SECONDS
scripts/build.sh --quiet --configure native
scripts/build.sh --quiet --configure win64-clang
tidy_log=$(mktemp)
{
  own_files_of "$build/native/compile_commands.json" | run_tidy "$build/native"
  own_files_of "$build/win64-clang/compile_commands.json" "$build/native/compile_commands.json" |
    program_files_only | run_tidy "$build/win64-clang"
} | tee "$tidy_log"
grep -q 'warning:\|error:' "$tidy_log" && failed+=(clang-tidy)
rm -f "$tidy_log"
echo "   $((SECONDS - start)) s"

echo "== cppcheck"
start=$SECONDS
# The Windows build's defines; windows.h itself is not read: cppcheck knows the Win32 types.
# passedByValue is off: small plain structs (rectangles, addresses) go by value on purpose.
cppcheck --quiet --std=c++20 --language=c++ --platform=win32W --library=windows,googletest \
  --enable=warning,performance,portability --inline-suppr --error-exitcode=1 -j "$jobs" -I . \
  -D_WIN32 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 \
  --suppress=missingIncludeSystem --suppress=passedByValue "${sources[@]}" || failed+=(cppcheck)
echo "   $((SECONDS - start)) s"

echo "== layout"
start=$SECONDS
changed=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
echo "   $changed places that clang-format would change"
[ "$changed" -gt 0 ] && failed+=(layout)
echo "   $((SECONDS - start)) s"

if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]}" >&2
  exit 1
fi
echo "All checks passed."
