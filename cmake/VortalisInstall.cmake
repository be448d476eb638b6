include(GNUInstallDirs)

# The programs, the message box module and the end sound lie together in one
# private folder, since each program finds its companion files beside itself;
# the programs are reached through links in the usual folder of commands.
set(VORTALIS_PROGRAM_DIR lib/vortalis)

function(vortalis_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${VORTALIS_PROGRAM_DIR})
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  set(link ${CMAKE_BINARY_DIR}/install-links/${name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
  file(CREATE_LINK ../${VORTALIS_PROGRAM_DIR}/${name} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
