# Prints the C and C++ compilers a toolchain file asks for, one a line, so that the build
# script can compare them with those a build folder was configured with.
# Usage: cmake -DTOOLCHAIN=<toolchain file> -P print-compilers.cmake
include(${TOOLCHAIN})
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${CMAKE_C_COMPILER}")
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${CMAKE_CXX_COMPILER}")
