# The Windows setup program, made by CPack's NSIS generator from the template
# beside this file: the four programs for every user in Program Files, a
# Start-menu folder, and an entry in the installed programs.
set(CPACK_GENERATOR NSIS)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# 64-bit and Unicode: NSIS's default 32-bit program does nothing under a 64-bit
# Wine, and would install into the 32-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY VORTALIS)
# The suite's own entry in the installed programs, not named after the version
# (a newer one replaces the entry of an older one), nor the product's bare name
# (its own setup may use it), which the suite's earlier setups used: an entry
# there is found and replaced.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "VORTALIS Utilitaires")
set(CPACK_NSIS_VORTALIS_LEGACY_KEY VORTALIS)
set(CPACK_NSIS_VORTALIS_LEGACY_NAME "Utilitaires VORTALIS")
set(CPACK_NSIS_PACKAGE_NAME "Utilitaires VORTALIS")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_LIST_DIR}/licence.txt)
set(CPACK_NSIS_VORTALIS_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR}/nsis)
set(CPACK_STRIP_FILES ON)

# The setup program's icon and the picture beside its first and last pages,
# drawn in pictures/ in ImageMagick's vector language (MVG) and made at build
# time in the forms NSIS takes: an icon of 48, 32 and 16 pixels, and a 24-bit
# bitmap.
find_program(VORTALIS_IMAGEMAGICK NAMES magick convert)
set(setup_pictures ${CMAKE_BINARY_DIR}/setup-pictures)
set(CPACK_NSIS_MUI_ICON ${setup_pictures}/vortalis-utilitaires.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_VORTALIS_SIDE_PICTURE ${setup_pictures}/vortalis-utilitaires-cote.bmp)
set(drawings ${CMAKE_CURRENT_LIST_DIR}/pictures)
add_custom_command(
  OUTPUT ${CPACK_NSIS_MUI_ICON} ${CPACK_NSIS_VORTALIS_SIDE_PICTURE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${setup_pictures}
  COMMAND ${VORTALIS_IMAGEMAGICK} -background none mvg:${drawings}/setup-icon.mvg
          -define icon:auto-resize=48,32,16 ${CPACK_NSIS_MUI_ICON}
  COMMAND ${VORTALIS_IMAGEMAGICK} mvg:${drawings}/setup-side.mvg -alpha off -type TrueColor
          BMP3:${CPACK_NSIS_VORTALIS_SIDE_PICTURE}
  DEPENDS ${drawings}/setup-icon.mvg ${drawings}/setup-side.mvg
  COMMENT "Les images du programme d'installation"
  VERBATIM)
if(VORTALIS_IMAGEMAGICK)
  # In the default build, so that `--target package` finds them.
  add_custom_target(setup_pictures ALL DEPENDS ${CPACK_NSIS_MUI_ICON} ${CPACK_NSIS_VORTALIS_SIDE_PICTURE})
else()
  message(STATUS "No ImageMagick (convert): the setup program cannot be made")
  add_custom_target(setup_pictures DEPENDS ${CPACK_NSIS_MUI_ICON} ${CPACK_NSIS_VORTALIS_SIDE_PICTURE})
endif()

# The programs that a running copy keeps the setup program from replacing.
set(vortalis_programs Keyfold Sealbox Memoleaf Pathwell)
set(CPACK_NSIS_VORTALIS_EACH_PROGRAM "")
foreach(program ${vortalis_programs})
  string(APPEND CPACK_NSIS_VORTALIS_EACH_PROGRAM "  StrCpy $R9 ${program}\n  Call \${FUNCTION}\n")
endforeach()

# One Start-menu shortcut for each windowed program, described as its desktop
# entry describes it in French. Keyfold has none: the product starts it.
set(CPACK_NSIS_VORTALIS_SHORTCUTS "")
set(CPACK_NSIS_VORTALIS_SHORTCUT_REMOVALS "")
foreach(program Sealbox Memoleaf Pathwell)
  file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/example.vortalis.${program}.desktop comment
       REGEX "^Comment\\[fr\\]=" ENCODING UTF-8)
  string(REPLACE "Comment[fr]=" "" comment "${comment}")
  set(link "$SMPROGRAMS\\VORTALIS\\${program}.lnk")
  set(target "$INSTDIR\\${program}.exe")
  string(APPEND CPACK_NSIS_VORTALIS_SHORTCUTS
         "  CreateShortCut \"${link}\" \"${target}\" \"\" \"${target}\" 0 SW_SHOWNORMAL \"\" \"${comment}\"\n")
  string(APPEND CPACK_NSIS_VORTALIS_SHORTCUT_REMOVALS "  Delete \"${link}\"\n")
endforeach()

# The setup program, built on demand: cmake --build --preset windows --target setup.
add_custom_target(setup
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Le programme d'installation ${CPACK_PACKAGE_FILE_NAME}.exe"
  VERBATIM)
add_dependencies(setup ${vortalis_programs} setup_pictures)

if(VORTALIS_TESTS AND CMAKE_CROSSCOMPILING)
  # The test's helpers: what the shell reads from a shortcut, and a file held
  # as Windows holds a running program's (Sealbox's tests give what a user
  # reads in a window).
  foreach(helper shortcut_texts hold_file)
    add_executable(${helper} ${CMAKE_CURRENT_LIST_DIR}/tests/${helper}.cpp)
    set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    target_link_libraries(${helper} PRIVATE vortalis_warnings)
  endforeach()
  target_link_libraries(shortcut_texts PRIVATE runtime_text ole32 uuid shell32)
  # The setup program made, installed for every user in a Windows of the test's
  # own, its programs used, upgraded while one of them runs, and removed.
  add_test(NAME windows_setup_under_wine
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/setup_under_wine.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_BINARY_DIR}/wine-prefix-setup $<TARGET_FILE:shortcut_texts>
                   $<TARGET_FILE:window_texts> $<TARGET_FILE:hold_file>)
  set_tests_properties(windows_setup_under_wine PROPERTIES
                       SKIP_RETURN_CODE 77 TIMEOUT 400 RESOURCE_LOCK wine_x_session)
endif()
