# What a desktop installation adds around the programs, and the Debian package.
foreach(program Sealbox Memoleaf Pathwell)
  string(TOLOWER ${program} icon)
  install(FILES example.vortalis.${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES example.vortalis.${program}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES icons/vortalis-${icon}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endforeach()

# A manual page for each program, and the changelog, compressed as Debian wants them.
set(compressed_files)
foreach(file Keyfold.1 Sealbox.1 Memoleaf.1 Pathwell.1 changelog)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${compressed}
    DEPENDS ${file})
  list(APPEND compressed_files ${compressed})
  if(file MATCHES "\\.1$")
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed_files})
set(package_documents ${CMAKE_INSTALL_DATADIR}/doc/vortalis-utilitaires)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${package_documents})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "VORTALIS <paquets@vortalis.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "utilitaires VORTALIS : chiffrement, pense-bête, lanceur")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Keyfold et Sealbox cryptent et décryptent des fichiers, en ligne de commande\n"
    "ou dans une fenêtre ; Memoleaf est un pense-bête ; Pathwell parcourt les\n"
    "dossiers et ouvre les fichiers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries' own packages, found from what the programs link, and Qt's
# French texts, which nothing links but every dialog needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
