# What `cmake --install` puts under the prefix (/usr/local by default, /usr in the package):
#   bin/tessary
#   libexec/tessary/           the program's modules: the sound effects
#   share/tessary/             read-only data under the names the portable build keeps beside
#                              the program: congratu.wav, pictures/, help/
#   share/applications/        the menu entry
#   share/icons/hicolor/       the program icon at every size the generator draws
#   share/metainfo/            the software centre's description
#   share/man/man6/            the manual page
#   share/doc/tessary/         copyright and changelog, as a Debian package wants them
# The program takes itself for installed when ../share/tessary lies beside its own folder, so
# nothing here is staged in the build tree under such a name.
include(GNUInstallDirs)

set(TESSARY_DESKTOP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(TESSARY_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/tessary)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page and the changelog are installed compressed; gzip -n leaves out the name and
# the time stamp, so the same sources give the same bytes.
set(_compressed_dir ${CMAKE_BINARY_DIR}/desktop)
set(_compressed_files)
foreach(name tessary.6 changelog)
  set(_copy ${_compressed_dir}/${name})
  add_custom_command(
    OUTPUT ${_copy}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_compressed_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${TESSARY_DESKTOP_SOURCE_DIR}/${name} ${_copy}
    COMMAND gzip -9nf ${_copy}
    DEPENDS ${TESSARY_DESKTOP_SOURCE_DIR}/${name}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND _compressed_files ${_copy}.gz)
endforeach()
add_custom_target(tessary_compressed_docs ALL DEPENDS ${_compressed_files})

install(TARGETS tessary RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Always libexec/tessary, whatever the platform's folders: the program looks there. Not in a
# library folder: nothing else links it, and the package needs no ldconfig run for it.
install(TARGETS tessary_sound LIBRARY DESTINATION libexec/tessary)

install(FILES ${TESSARY_ASSET_DIR}/sounds/congratu.wav DESTINATION ${TESSARY_DATA_INSTALL_DIR})
install(DIRECTORY ${TESSARY_ASSET_DIR}/pictures ${PROJECT_SOURCE_DIR}/resources/help
  DESTINATION ${TESSARY_DATA_INSTALL_DIR})

install(FILES ${TESSARY_DESKTOP_SOURCE_DIR}/tessary.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Every size of the program icon the generator draws (icons/tessary_<size>.png).
foreach(file IN LISTS TESSARY_ASSET_FILES)
  if(file MATCHES "^icons/tessary_([0-9]+)\\.png$")
    set(size ${CMAKE_MATCH_1})
    install(FILES ${TESSARY_ASSET_DIR}/${file}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME tessary.png)
  endif()
endforeach()
install(FILES ${TESSARY_DESKTOP_SOURCE_DIR}/org.tessary.Tessary.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_compressed_dir}/tessary.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TESSARY_DESKTOP_SOURCE_DIR}/copyright ${_compressed_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessary)
