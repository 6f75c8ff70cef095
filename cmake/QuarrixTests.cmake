# quarrix_native_test(NAME SOURCES... LIBS ...): a GoogleTest program of pure rules, run natively.
function(quarrix_native_test name)
  if(NOT QUARRIX_NATIVE_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# quarrix_windows_test(NAME SOURCES... LIBS ... [ARGS ...]): a GoogleTest program built for
# Windows and run (with ARGS) under Wine, through the toolchain's emulator, in the virtual display.
function(quarrix_windows_test name)
  if(NOT QUARRIX_WINDOWS_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest
                        -static -static-libgcc -static-libstdc++)
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endfunction()

# quarrix_script_test(NAME SCRIPT ARGS...): a Windows test that is a bash script of its own and
# starts Wine itself. In the i686 build it gets --i686 first, to check that this machine runs
# 32-bit programs before it starts anything, and to exit with 77 (skipped) when it does not.
function(quarrix_script_test name script)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(arch --i686)
  endif()
  add_test(NAME ${name} COMMAND bash ${script} ${arch} ${ARGN})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
