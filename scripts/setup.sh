#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, when it is missing.
set -euo pipefail

packages=(cmake make g++ googletest python3
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          wine64 fonts-wine fonts-liberation xvfb xauth imagemagick xdotool x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
