#!/usr/bin/env bash
# Builds the four outputs: the native tests of the pure rules, the 32-bit release program,
# the 64-bit test build (program, simulator, stand-in utilities, Windows tests) and the same
# test build for 32 bits, whose tests also start the release program.
#
# Usage: scripts/build.sh              everything
#        scripts/build.sh release      only the 32-bit release program (build/release)
#        scripts/build.sh simulator    only the simulator and its stand-in utilities (build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
what=${1:-all}

if [[ $what == all || $what == release ]]; then
  cmake -S . -B build/release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DQUARRIX_RELEASE=ON \
        -DQUARRIX_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/release -j"$jobs"
fi

if [[ $what == all || $what == simulator ]]; then
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  if [[ $what == simulator ]]; then
    cmake --build build/win64 -j"$jobs" --target Quarrix_Disk_Formatter_Sim standin_diskpart standin_format_com
  else
    cmake --build build/win64 -j"$jobs"
  fi
fi

if [[ $what == all ]]; then
  cmake -S . -B build/win32-tests -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686-posix.cmake \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win32-tests -j"$jobs"

  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release \
        -DQUARRIX_RELEASE_EXE="$root/build/release/bin/Quarrix_Disk_Formatter.exe" >/dev/null
  cmake --build build/native -j"$jobs"
fi
