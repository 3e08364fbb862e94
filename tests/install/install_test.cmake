# Installs the build into a folder of its own and checks what lands there.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  add_test(NAME install.ProgramDesktopEntryAndIconOnly
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DSTAGE=${CMAKE_CURRENT_BINARY_DIR}/install-stage
                   -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE} -DMAN_PAGE=${HELP2MAN}
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)

  # The Debian package as lintian sees it.
  find_program(LINTIAN lintian)
  add_test(NAME package.Lintian
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DOUT=${CMAKE_CURRENT_BINARY_DIR}/package -DCPACK=${CMAKE_CPACK_COMMAND}
                   -DLINTIAN=${LINTIAN} -P ${CMAKE_CURRENT_LIST_DIR}/package_lintian.cmake)
  set_tests_properties(package.Lintian PROPERTIES SKIP_RETURN_CODE 77)
endif()
