# Installation on Linux and the Debian package: `cmake --install <build>
# --prefix <prefix>` puts the programs in bin/, the four art libraries and the
# demo games in share/tarnwicket/, the desktop entries, the icon and the
# manual page in their usual folders; `cpack -G DEB` in the build folder
# packs the same. The installed programs find their data from their own
# folder (platform/src/desktop_folders.h), so any prefix works.
if(WIN32 OR CMAKE_CROSSCOMPILING OR NOT TARGET Tarnwicket)
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/layout.cmake)

# The version, from its one place.
file(STRINGS ${CMAKE_SOURCE_DIR}/viewer/frame/program_version.h version_line REGEX "define TARNWICKET_VERSION")
string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" TARNWICKET_VERSION "${version_line}")

set(tarnwicket_programs Tarnwicket TarnwicketCFG)
if(TARGET TarnwicketCheck)
  list(APPEND tarnwicket_programs TarnwicketCheck)
endif()
install(TARGETS ${tarnwicket_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
  ${TARNWICKET_RUN_DIR}/Tarnwicket_Backdroplib.dll
  ${TARNWICKET_RUN_DIR}/Tarnwicket_Checkerlib.dll
  ${TARNWICKET_RUN_DIR}/Tarnwicket_Figurinelib.dll
  ${TARNWICKET_RUN_DIR}/Tarnwicket_Dashlib.dll
  ${CMAKE_SOURCE_DIR}/demo/Tarnwicket.pgn
  DESTINATION ${TARNWICKET_INSTALL_DATADIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tarnwicket.desktop ${CMAKE_CURRENT_LIST_DIR}/tarnwicket-settings.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tarnwicket.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page names the version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/Tarnwicket.6 ${CMAKE_BINARY_DIR}/dist/linux/Tarnwicket.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/linux/Tarnwicket.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/dist/linux/Tarnwicket.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 RENAME TarnwicketCFG.6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwicket)
set(CPACK_PACKAGE_VERSION ${TARNWICKET_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarnwicket <tarnwicket@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess game viewer that replays PGN files on a drawn board")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarnwicket replays the chess games of a PGN file one after another on a drawn\nboard, with sliding pieces, capture trays, a console and sounds. TarnwicketCFG\nchooses its look and options. It also serves as an XScreenSaver program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libx11-6, libstdc++6, libc6")
set(CPACK_STRIP_FILES ON)
include(CPack)
