# Test executables. In the Windows build ctest starts each one under Wine through
# CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-run).

set(MARLIVO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")

# GoogleTest is built once per build, without GoogleMock (no test uses it). Its own
# speed does not matter to any test, so it is compiled for a short compile: at the
# build's level it is the slowest file of the tree.
macro(marlivo_add_googletest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  if(MARLIVO_WINDOWS)
    # GoogleTest's own threads support would pull in pthreads; Win32 primitives serve.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(${MARLIVO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -O1)
  target_compile_options(gtest_main PRIVATE -O1)
  if(MARLIVO_WINDOWS)
    # Every Windows test file parses <gtest/gtest.h>, about half of its compile time:
    # one precompiled header serves them all. <windows.h> stays out of it: portable
    # headers declare names (FindText...) that it defines as macros.
    file(WRITE ${CMAKE_BINARY_DIR}/marlivo_test_pch.cpp "")
    add_library(marlivo_test_pch STATIC ${CMAKE_BINARY_DIR}/marlivo_test_pch.cpp)
    target_include_directories(marlivo_test_pch PRIVATE ${MARLIVO_ROOT})
    target_link_libraries(marlivo_test_pch PRIVATE GTest::gtest)
    target_precompile_headers(marlivo_test_pch PRIVATE <gtest/gtest.h>)
  endif()
endmacro()

# marlivo_test(NAME
#              SOURCES file...            test sources
#              LIBS target...             libraries under test
#              [PORTABLE]                 also built and run natively (platform-free code)
#              [LOCALES locale...]        one ctest entry per Unix locale, and with it per
#                                         ANSI code page under Wine (zh_CN.UTF-8 = 936,
#                                         C = 1252); default: C
#              [LABELS label...]          ctest labels (gui, e2e, slow...)
#              [TIMEOUT seconds]          default 300
#              [NO_MAIN])                 the sources bring their own main()
function(marlivo_test name)
  cmake_parse_arguments(T "PORTABLE;NO_MAIN" "TIMEOUT" "SOURCES;LIBS;LOCALES;LABELS" ${ARGN})
  if(NOT MARLIVO_WINDOWS AND NOT T_PORTABLE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_include_directories(${name} PRIVATE ${MARLIVO_ROOT})
  if(T_NO_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  if(TARGET marlivo_test_pch)
    target_precompile_headers(${name} REUSE_FROM marlivo_test_pch)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 inlines std::wstring's copy of a one-unit literal such as L"" into test
    # bodies and then reports the copy as reading past the literal (as an array bound or
    # as an over-read), which it does not.
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overread)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_LOCALES OR NOT MARLIVO_WINDOWS)
    set(T_LOCALES C)
  endif()
  list(LENGTH T_LOCALES locale_count)
  foreach(locale ${T_LOCALES})
    set(test_name ${name})
    if(locale_count GREATER 1)
      string(REGEX REPLACE "[._].*" "" short ${locale})
      set(test_name ${name}.${short})
    endif()
    add_test(NAME ${test_name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "MARLIVO_LOCALE=${locale};MARLIVO_SOURCE_DIR=${MARLIVO_ROOT}"
      TIMEOUT ${T_TIMEOUT}
      LABELS "${T_LABELS}")
    if("gui" IN_LIST T_LABELS OR "e2e" IN_LIST T_LABELS)
      # Windows that take focus and input must not race each other on one display.
      set_tests_properties(${test_name} PROPERTIES RESOURCE_LOCK display)
    endif()
  endforeach()
endfunction()
