# Cross-compiles the release program for 32-bit Windows with the win32-thread MinGW-w64
# compilers: their runtime needs nothing newer than Windows XP (the posix-thread runtime
# imports GetTickCount64), and the program starts its one worker with _beginthreadex.
set(QUARRIX_MINGW_ARCH i686)
set(QUARRIX_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)
