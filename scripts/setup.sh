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
          wine64 wine32:i386 fonts-wine fonts-liberation xvfb xauth imagemagick xdotool x11-utils locales
          fonts-wqy-microhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  [ -n "${updated:-}" ] || apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine takes a process's code pages and its display language from its Unix locale: a test runs
# in Russian (OEM code page 866) to see the utilities' words in another script come through whole,
# and the program's own texts are tested in German, Japanese, Russian and Swedish (which the
# program does not speak). The Chinese, Japanese and Korean texts are drawn in WenQuanYi Micro Hei.
for name in ru_RU de_DE ja_JP sv_SE; do
  if ! locale -a 2>/dev/null | grep -qix "$name\.utf-\?8"; then
    echo "Creating the locale $name.UTF-8"
    localedef -i "$name" -f UTF-8 "$name.UTF-8"
  fi
done
