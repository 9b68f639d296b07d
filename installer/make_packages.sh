#!/usr/bin/env bash
# Writes the zip archive and the setup program from the files given; the build calls this.
# usage: make_packages.sh OUT_DIR BASE_NAME SETUP_NSI IDENTITY_NSH ICON SETUP_TARGET FILE...
# SETUP_TARGET is NSIS's name of the setup program's own kind: x86-unicode or amd64-unicode.
# Both come out byte for byte the same on every run from the same files: the files' times are set
# to SOURCE_DATE_EPOCH (or the last commit's time), the zip keeps no owner or extra times.
set -euo pipefail
out=$1 base=$2 nsi=$3 identity=$4 icon=$5 target=$6
shift 6

source_dir=$(cd "$(dirname "$0")/.." && pwd)
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || echo 315532800)}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
names=()
for file in "$@"; do
  cp "$file" "$stage/"
  names+=("$(basename "$file")")
done
touch -d "@$epoch" "$stage"/*

mkdir -p "$out"
rm -f "$out/$base.zip" "$out/$base-setup.exe"
(cd "$stage" && TZ=UTC zip -q -X -9 "$out/$base.zip" "${names[@]}")
makensis -V2 -INPUTCHARSET UTF8 -DIDENTITY="$identity" -DFILES="$stage" -DICON="$icon" -DTARGET="$target" \
  -DOUTFILE="$out/$base-setup.exe" "$nsi"
