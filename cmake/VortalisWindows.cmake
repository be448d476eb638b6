# vortalis_windows_resources(target DESCRIPTION text [COMMENTS text] [ICON file])
# A Windows program's resources: the manifest (common controls 6, per-monitor
# dots per inch, paths beyond 260 characters where the system allows them, run
# as the user who starts it), the icon as resource 1 and the version
# information in French. Nothing elsewhere.
function(vortalis_windows_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "DESCRIPTION;COMMENTS;ICON" "" ${ARGN})
  enable_language(RC)
  get_target_property(VORTALIS_RC_NAME ${target} OUTPUT_NAME)
  if(NOT VORTALIS_RC_NAME)
    set(VORTALIS_RC_NAME ${target})
  endif()
  set(VORTALIS_RC_DESCRIPTION "${ARG_DESCRIPTION}")
  set(VORTALIS_RC_COMMENTS "${ARG_COMMENTS}")
  set(VORTALIS_RC_VERSION_DOTS "${PROJECT_VERSION}.0")
  string(REPLACE "." ", " VORTALIS_RC_VERSION_COMMAS "${VORTALIS_RC_VERSION_DOTS}")
  set(VORTALIS_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(VORTALIS_RC_ICON_LINE "")
  if(ARG_ICON)
    set(VORTALIS_RC_ICON_LINE "1 ICON \"${ARG_ICON}\"")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.manifest.in ${VORTALIS_RC_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # windres reports no dependencies: without these, a changed manifest or icon
  # would leave the program with the old one.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES
                              OBJECT_DEPENDS "${VORTALIS_RC_MANIFEST};${ARG_ICON}")
endfunction()
