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

# configure FOLDER TOOLCHAIN ARGS...: configures a cross build. CMake keeps the compilers it
# found first in a build folder even when the toolchain file asks for others (it records them
# under CMakeFiles/<cmake version>/ beside CMakeCache.txt), so a folder configured before the
# toolchain changed would go on building with the old compilers: such a folder is removed first.
configure() {
  local folder=$1 toolchain=$2
  shift 2
  if [[ -f $folder/CMakeCache.txt ]]; then
    local wanted used
    wanted=$(cmake -DTOOLCHAIN="$toolchain" -P cmake/print-compilers.cmake | xargs -n1 basename | sort)
    used=$(sed -n 's/^set(CMAKE_C\(XX\)\{0,1\}_COMPILER "\(.*\)")$/\2/p' \
             "$folder"/CMakeFiles/*/CMakeCCompiler.cmake "$folder"/CMakeFiles/*/CMakeCXXCompiler.cmake \
             2>/dev/null | xargs -r -n1 basename | sort)
    if [[ $used != "$wanted" ]]; then
      echo "$folder was configured with $(echo $used), $toolchain asks for $(echo $wanted): building it afresh"
      rm -rf "$folder"
    fi
  fi
  cmake -S . -B "$folder" --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
}

if [[ $what == all || $what == release ]]; then
  configure build/release cmake/toolchain-mingw-i686.cmake -DQUARRIX_RELEASE=ON \
            -DQUARRIX_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
  cmake --build build/release -j"$jobs"
fi

if [[ $what == all || $what == simulator ]]; then
  configure build/win64 cmake/toolchain-mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
  if [[ $what == simulator ]]; then
    cmake --build build/win64 -j"$jobs" --target Quarrix_Disk_Formatter_Sim standin_diskpart standin_format_com
  else
    cmake --build build/win64 -j"$jobs"
  fi
fi

if [[ $what == all ]]; then
  configure build/win32-tests cmake/toolchain-mingw-i686-posix.cmake -DCMAKE_BUILD_TYPE=Release \
            -DQUARRIX_RELEASE_EXE="$root/build/release/bin/Quarrix_Disk_Formatter.exe"
  cmake --build build/win32-tests -j"$jobs"

  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release \
        -DQUARRIX_RELEASE_EXE="$root/build/release/bin/Quarrix_Disk_Formatter.exe" >/dev/null
  cmake --build build/native -j"$jobs"
fi
