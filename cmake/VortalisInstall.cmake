include(GNUInstallDirs)

# The programs, their modules and the end sound lie together in one folder,
# since each program finds its companion files beside itself. Here that folder
# is private, and the programs are reached through links in the usual folder of
# commands; on Windows it is the installation folder itself, as Windows
# programs lie in theirs (C:\Program Files\VORTALIS\Sealbox.exe).
if(WIN32)
  set(VORTALIS_PROGRAM_DIR .)
else()
  set(VORTALIS_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vortalis)
endif()

# vortalis_program(target)
# One of the suite's programs: built with the error box it opens at run time
# from beside itself, and installed.
function(vortalis_program target)
  if(TARGET vortalis_message_box)
    add_dependencies(${target} vortalis_message_box)
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${VORTALIS_PROGRAM_DIR})
  if(WIN32)
    return()
  endif()
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  set(link ${CMAKE_BINARY_DIR}/install-links/${name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
  file(CREATE_LINK ../${VORTALIS_PROGRAM_DIR}/${name} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
