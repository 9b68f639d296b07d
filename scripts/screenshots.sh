#!/usr/bin/env bash
# Renews the README's screenshots in docs/: the main window after a check with either banner, and
# the About dialog. Builds first; needs no display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
source scripts/wine-session.sh
scripts/build.sh --quiet "$(runnable_windows_build)"
mkdir -p docs
scripts/demo.sh docs/screenshot.png
scripts/demo.sh --aged docs/screenshot-maker-banner.png
scripts/demo.sh --aged --about docs/screenshot-about.png
