# GoogleTest built from Debian's sources (package googletest) inside this build, for a cross build
# where the host's libgtest cannot be linked. Gives the same targets as find_package(GTest).
set(DTC_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS ${DTC_GOOGLETEST_SOURCES}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${DTC_GOOGLETEST_SOURCES}: install googletest")
endif()

set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
# On Windows GoogleTest has its own locks; it needs no POSIX threads.
set(gtest_disable_pthreads ON)
add_subdirectory(${DTC_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Tests are found when they run, through the emulator, not when they are built.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# GoogleTest 1.11 and later name their targets GTest::gtest and GTest::gtest_main themselves.
if(NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
