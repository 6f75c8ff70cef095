#!/usr/bin/env bash
# Builds the four outputs: the native tests of the pure rules, the 32-bit release program,
# the 64-bit test build (program, simulator, stand-in utilities, Windows tests) and the same
# test build for 32 bits, which is built and never run: it catches what compiles for x86_64 only.
#
# Usage: scripts/build.sh              everything
#        scripts/build.sh simulator    only the simulator and its stand-in utilities (build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
if [[ ${1:-} == simulator ]]; then
  cmake --build build/win64 -j"$jobs" --target Quarrix_Disk_Formatter_Sim standin_diskpart standin_format_com
  exit
fi

cmake -S . -B build/release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DQUARRIX_RELEASE=ON \
      -DQUARRIX_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$jobs"

cmake --build build/win64 -j"$jobs"

cmake -S . -B build/win32-tests -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686-posix.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32-tests -j"$jobs"

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release \
      -DQUARRIX_RELEASE_EXE="$root/build/release/bin/Quarrix_Disk_Formatter.exe" >/dev/null
cmake --build build/native -j"$jobs"
