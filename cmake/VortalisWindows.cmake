# The copyright line of the version information, in French as its other texts:
# the years are those of packaging/copyright, which the Debian package carries.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/copyright VORTALIS_COPYRIGHT_LINE
     REGEX "^Copyright: [0-9]+(-[0-9]+)? " LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+(-[0-9]+)?" VORTALIS_COPYRIGHT_YEARS "${VORTALIS_COPYRIGHT_LINE}")
if(NOT VORTALIS_COPYRIGHT_YEARS)
  message(FATAL_ERROR "packaging/copyright names no years on a line \"Copyright: \"")
endif()
set(VORTALIS_RC_COPYRIGHT "© ${VORTALIS_COPYRIGHT_YEARS} l'éditeur de VORTALIS. Tous droits réservés.")

# vortalis_windows_resources(target DESCRIPTION text [COMMENTS text] [ICON file])
# A Windows program's resources: the manifest (common controls 6, per-monitor
# dots per inch, paths beyond 260 characters where the system allows them, run
# as the user who starts it), the icon as resource 1 (by default the one
# packaging/icons/windows holds for the program's name) and the version
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
  if(NOT ARG_ICON)
    string(TOLOWER ${VORTALIS_RC_NAME} icon_name)
    set(ARG_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/windows/vortalis-${icon_name}.ico)
  endif()
  if(NOT EXISTS ${ARG_ICON})
    message(FATAL_ERROR "${target}: no icon ${ARG_ICON} (packaging/icons/CMakeLists.txt makes them)")
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
