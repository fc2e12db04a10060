# GoogleTest for both builds: Debian's packaged library natively, and the same sources from
# /usr/src/googletest cross-built with MinGW for the Windows tests that run under Wine.
if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Unoptimised, as the test programs below are: at -O3 its one big file is the longest single
  # step of the Windows build, and the tests' time goes to starting Wine, not to GoogleTest.
  target_compile_options(gtest PRIVATE -O0)
  target_compile_options(gtest_main PRIVATE -O0)
  add_library(altostrat_gtest_main ALIAS gtest_main)
else()
  find_package(GTest REQUIRED)
  add_library(altostrat_gtest_main ALIAS GTest::gtest_main)
endif()

# altostrat_add_gtest(NAME SOURCES ... [LIBRARIES ...] [ENVIRONMENT ...])
# One ctest entry per test program: under Wine every program start costs about a second, so
# the cases of a program run in one process rather than one process each.
function(altostrat_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} altostrat_gtest_main)
  # The test programs' own files are compiled without optimisation. With GoogleTest's macros and
  # the sanitizers, optimising them took three to four times the processor time and made them
  # most of the build's time; the code under test comes from its libraries, built with the
  # build's own flags, and the tests' own code does not need to be fast.
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${name} PRIVATE -O0)
  endif()
  # Unoptimised, reading GoogleTest's header was half of each file's time: it is read once.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(WIN32)
    # Under Wine the test programs share the tier's display and prefix: the windows, the
    # foreground and the screen's pixels of one would meet another's. They run one at a time,
    # beside the scenarios, which have a display and a prefix of their own.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_test_display)
  endif()
  if(ARG_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
endfunction()
