# What every MinGW-w64 toolchain file of the project shares: Windows as the target, the
# compilers of one architecture and thread model, and libraries and headers found only in that
# architecture's own root. The including file sets QUARRIX_MINGW_ARCH (i686 or x86_64) and
# QUARRIX_MINGW_THREADS (posix or win32) first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUARRIX_MINGW_ARCH})
set(CMAKE_C_COMPILER ${QUARRIX_MINGW_ARCH}-w64-mingw32-gcc-${QUARRIX_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${QUARRIX_MINGW_ARCH}-w64-mingw32-g++-${QUARRIX_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${QUARRIX_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUARRIX_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
