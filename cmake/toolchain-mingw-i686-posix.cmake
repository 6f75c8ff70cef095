# Cross-compiles the test build for 32-bit Windows with the posix-thread MinGW-w64 compilers
# (GoogleTest and the test helpers use std::thread). Built only, never run: it catches what
# compiles for x86_64 alone, such as callbacks without the CALLBACK calling convention.
set(QUARRIX_MINGW_ARCH i686)
set(QUARRIX_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)
