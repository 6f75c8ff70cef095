# Cross-compiles the test build for 64-bit Windows; its tests run under wine64.
set(QUARRIX_MINGW_ARCH x86_64)
set(QUARRIX_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
