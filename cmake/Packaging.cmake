# Installs the program where a desktop finds it (the program, its desktop entry and its icon, its
# systemd user unit, its manual page, copyright file and changelog) and packages it for Debian: `cpack -G DEB` in the
# build folder.
include(GNUInstallDirs)

set(DTC_PACKAGE_MAINTAINER "date_time.cfg Creator maintainers <maintainers@example.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

install(TARGETS datetime-cfg-creator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  install(FILES ${PROJECT_SOURCE_DIR}/data/datetime-cfg-creator.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/datetime-cfg-creator.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # A systemd user unit for --watch, which a user enables; the package enables nothing.
  install(FILES ${PROJECT_SOURCE_DIR}/data/datetime-cfg-creator-watch.service
          DESTINATION lib/systemd/user)

  # Debian's documentation files: gzip -9n, so that the package holds no time stamp.
  find_program(GZIP gzip REQUIRED)
  set(doc_dir ${CMAKE_BINARY_DIR}/doc)
  configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${doc_dir}/changelog @ONLY)
  add_custom_command(OUTPUT ${doc_dir}/changelog.gz
                     COMMAND ${GZIP} -9nf -k ${doc_dir}/changelog
                     DEPENDS ${doc_dir}/changelog)
  set(doc_outputs ${doc_dir}/changelog.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${doc_dir}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/datetime-cfg-creator)

  # The manual page is the program's --help and --version, run without a display, in English
  # whatever the builder's language.
  find_program(HELP2MAN help2man)
  if(HELP2MAN)
    add_custom_command(
      OUTPUT ${doc_dir}/datetime-cfg-creator.1.gz
      COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
              ${HELP2MAN} --no-info --section=1
              "--name=set the clock and the settings of a digital voice recorder"
              "--help-option=--language en --help" "--version-option=--language en --version"
              --output=${doc_dir}/datetime-cfg-creator.1 $<TARGET_FILE:datetime-cfg-creator>
      COMMAND ${GZIP} -9nf ${doc_dir}/datetime-cfg-creator.1
      DEPENDS datetime-cfg-creator)
    list(APPEND doc_outputs ${doc_dir}/datetime-cfg-creator.1.gz)
    install(FILES ${doc_dir}/datetime-cfg-creator.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(WARNING "help2man not found: the build installs no manual page")
  endif()
  add_custom_target(documentation ALL DEPENDS ${doc_outputs})
endif()

set(CPACK_PACKAGE_NAME datetime-cfg-creator)
# The project's version, as data/debian/changelog.in takes it too.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DTC_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sets the clock and the settings of a digital voice recorder")
# Debian shows the long description as it is written: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "date_time.cfg Creator runs against the root of a voice recorder connected\n"
       "as a drive. Start writes date_time.cfg with the PC's date and time, which\n"
       "the recorder takes as its clock. When the root holds the recorder's settings\n"
       "file, a screen made for the recorder's model edits its settings, and Start\n"
       "writes them back.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries come from the shared-library scan; the window-system plugins are only
# recommended by them, and the program opens no window without one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Liberation Sans stands in for the screens' typeface, which Debian does not have; Noto CJK
# shows the Korean and Japanese texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-noto-cjk")

include(CPack)
