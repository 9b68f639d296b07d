#!/usr/bin/env bash
# Renews the README's screenshots in docs/: the main window after a check with either banner, and
# the About dialog. Builds first; needs no display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
# The build speaks only when it fails.
build_log=$(mktemp)
scripts/build.sh win32 >"$build_log" 2>&1 || { cat "$build_log"; rm -f "$build_log"; exit 1; }
rm -f "$build_log"
mkdir -p docs
scripts/demo.sh docs/screenshot.png
scripts/demo.sh --aged docs/screenshot-maker-banner.png
scripts/demo.sh --aged --about docs/screenshot-about.png
