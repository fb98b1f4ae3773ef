# The Debian package: `cpack -G DEB` in the build folder makes tessary_<version>_<arch>.deb
# from the install rules (cmake/Install.cmake) under /usr. ./package.sh does the whole run.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessary)
set(CPACK_PACKAGE_VERSION ${TESSARY_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Tessary developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzles from your own pictures")
set(CPACK_PACKAGE_DESCRIPTION
  "Tessary turns a picture of your own (BMP, JPEG or PNG) into a jigsaw puzzle.
Choose the size of the picture and of its pieces and how they are cut, and the
pieces are scattered over a large scrolling field for you to assemble with the
mouse: drag, turn, snap, pull a piece out of a block, ask for a hint, pause,
save and load named games. The game in progress is saved automatically.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tessary)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessary developers <developers@tessary.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Russian texts for the standard dialogs; the game runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Control files with the modes dpkg expects (0644), whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The architecture as dpkg names it, which is also what CPack writes into the control file.
find_program(TESSARY_DPKG dpkg)
if(TESSARY_DPKG)
  execute_process(COMMAND ${TESSARY_DPKG} --print-architecture
    OUTPUT_VARIABLE _deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${_deb_arch})
  set(CPACK_DEBIAN_FILE_NAME tessary_${TESSARY_VERSION_TEXT}_${_deb_arch}.deb)
endif()

# The package is the install rules (every rule without a component) plus what only the package
# carries: its lintian overrides.
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tessary
  COMPONENT debian_package EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};Tessary;ALL;/" "${CMAKE_BINARY_DIR};Tessary;debian_package;/")

include(CPack)
