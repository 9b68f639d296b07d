#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and nothing when it is all there.
set -euo pipefail

# Both Wines: the 64-bit one runs the 64-bit PBW.exe on every machine, the 32-bit one the 32-bit
# PBW.exe where the kernel starts 32-bit programs (it installs, though it cannot run, elsewhere).
packages=(cmake ninja-build g++ googletest
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64
          fonts-wine xvfb xauth x11-utils imagemagick fonts-dejavu-core
          dovecot-pop3d openssl python3 iproute2 nsis zip unzip locales
          clang lld libclang-rt-14-dev clang-tidy clang-format cppcheck)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
# wine32 is a 32-bit package: the i386 architecture must be known first.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# The package starts a system-wide dovecot where it can; the tests run their own.
$sudo systemctl disable --now dovecot >/dev/null 2>&1 || true
