# Cross-compiles the test build for 32-bit Windows with the posix-thread MinGW-w64 compilers
# (GoogleTest and the test helpers use std::thread). Its tests run under 32-bit Wine, the way
# the shipped program runs: they catch what works on x86_64 alone, such as callbacks without
# the CALLBACK calling convention, and the release test starts the shipped program from here.
set(QUARRIX_MINGW_ARCH i686)
set(QUARRIX_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)
# --i686: on a machine that cannot run 32-bit programs, every test exits with 77 (skipped).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh --i686)
