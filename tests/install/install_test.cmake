# Installs the build into a folder of its own and checks what lands there.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  add_test(NAME install.ProgramDesktopEntryAndIconOnly
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DSTAGE=${CMAKE_CURRENT_BINARY_DIR}/install-stage
                   -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)
endif()
