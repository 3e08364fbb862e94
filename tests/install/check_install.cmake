# cmake -DBUILD_DIR=... -DSTAGE=... [-DDESKTOP_FILE_VALIDATE=...] [-DMAN_PAGE=ON]
#       -P check_install.cmake
#
# Installs the build under STAGE/usr and checks that exactly the program, its desktop entry, its
# icon, its --watch user unit, its copyright file, changelog and manual page land there (no test,
# no tool), that the entry starts the installed program with the installed icon, and that the installed program runs, its
# command line without a display.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}/usr"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(program usr/bin/datetime-cfg-creator)
set(entry usr/share/applications/datetime-cfg-creator.desktop)
set(icon usr/share/icons/hicolor/scalable/apps/datetime-cfg-creator.svg)
set(unit usr/lib/systemd/user/datetime-cfg-creator-watch.service)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT installed)
set(doc usr/share/doc/datetime-cfg-creator)
set(expected ${program} ${entry} ${icon} ${unit} ${doc}/copyright ${doc}/changelog.gz)
if(MAN_PAGE)
  list(APPEND expected usr/share/man/man1/datetime-cfg-creator.1.gz)
endif()
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "Installed: ${installed}\nExpected: ${expected}")
endif()

file(STRINGS "${STAGE}/${entry}" lines)
foreach(wanted "Name=date_time.cfg Creator" "Exec=datetime-cfg-creator %f"
        "Icon=datetime-cfg-creator" "Categories=Utility;" "Type=Application")
  if(NOT wanted IN_LIST lines)
    message(FATAL_ERROR "The desktop entry lacks \"${wanted}\"")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${STAGE}/${entry}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the desktop entry")
  endif()
endif()

# The user unit runs the installed program's --watch, and nothing enables it.
file(STRINGS "${STAGE}/${unit}" lines)
if(NOT "ExecStart=datetime-cfg-creator --watch" IN_LIST lines OR
   NOT "WantedBy=default.target" IN_LIST lines)
  message(FATAL_ERROR "The user unit is not as expected: ${lines}")
endif()

# A device root that is not a folder: the program says so and ends with 64 before any window.
execute_process(COMMAND "${STAGE}/${program}" "${STAGE}/no-such-folder"
                RESULT_VARIABLE status ERROR_VARIABLE stderr)
if(NOT status EQUAL 64 OR NOT stderr MATCHES "is not a folder")
  message(FATAL_ERROR "The installed program ended with ${status}: ${stderr}")
endif()

# The command line opens no display, even where the toolkit would insist on one.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        QT_QPA_PLATFORM=xcb "${STAGE}/${program}" --show "${STAGE}"
                RESULT_VARIABLE status OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
if(NOT status EQUAL 0 OR NOT stdout MATCHES "No settings file")
  message(FATAL_ERROR "--show without a display ended with ${status}: ${stdout}${stderr}")
endif()
