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
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
