# The program's name and version, defined here once for the C++ code, the Windows resources and
# the packages. The version is the project's, from project() in the root CMakeLists.txt.
set(DTC_PROGRAM_NAME "date_time.cfg Creator")

# A Windows version resource and manifest take four numbers, the missing ones 0: 2.2 is 2.2.0.0.
set(DTC_VERSION_QUAD "")
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number "${PROJECT_VERSION_${part}}")
  if(number STREQUAL "")
    set(number 0)
  endif()
  list(APPEND DTC_VERSION_QUAD ${number})
endforeach()
list(JOIN DTC_VERSION_QUAD ", " DTC_VERSION_NUMBERS)
list(JOIN DTC_VERSION_QUAD "." DTC_VERSION_QUAD)

# Linked by every target that shows the name or version: it adds the folder of the generated
# program_version.h and of the Windows manifest to the include path (the resource compiler's too).
set(generated_dir ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/program_version.h.in ${generated_dir}/program_version.h
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/datetime-cfg-creator.manifest.in
               ${generated_dir}/datetime-cfg-creator.manifest @ONLY)
add_library(program_version INTERFACE)
target_include_directories(program_version INTERFACE ${generated_dir})
