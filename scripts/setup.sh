#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, when it is missing.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

# The shipped program is 32-bit: its tests run under 32-bit Wine, which comes from Debian's
# i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Adding the i386 architecture for 32-bit Wine"
  dpkg --add-architecture i386
  apt-get update
  updated=yes
fi

packages=(cmake make g++ googletest python3
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          wine64 wine32:i386 fonts-wine fonts-liberation xvfb xauth imagemagick xdotool x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  [ -n "${updated:-}" ] || apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
