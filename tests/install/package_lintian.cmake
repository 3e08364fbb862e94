# cmake -DBUILD_DIR=... -DOUT=... -DCPACK=... -DLINTIAN=... -P package_lintian.cmake
#
# Packages the build as scripts/package does and checks the package with lintian, Debian's own
# checker: no error and no warning. Without lintian or dpkg-shlibdeps the test is skipped.
cmake_minimum_required(VERSION 3.25)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT LINTIAN OR NOT DPKG_SHLIBDEPS)
  message("lintian or dpkg-shlibdeps is not installed: skipped")
  cmake_language(EXIT 77)
endif()
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package "${OUT}/*.deb")
if(NOT status EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack failed: ${status}\n${output}")
endif()
execute_process(COMMAND "${LINTIAN}" --fail-on error,warning "${package}"
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings on ${package}")
endif()
