# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX-thread variant, which has
# std::thread and std::mutex), and runs what it builds under Wine:
#   cmake -S . -B build-mingw -G Ninja --toolchain cmake/mingw-w64.cmake -DDTC_BUILD_GUI=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the executables run under Wine, or on a Windows PC, without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and test discovery run the executables through Wine, in a prefix of the build's own so
# that nothing depends on ~/.wine. Mono and Gecko are not wanted: nothing here needs .NET or HTML.
# The launcher shows Wine's error messages when a program fails, and starts once more a program
# that failed before printing anything (Wine did not start it).
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDLLOVERRIDES=mscoree,mshtml=
      ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine_test_launcher.sh)
endif()
