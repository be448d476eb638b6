# Compiler warnings for our own code, as an interface target to link.
add_library(vortalis_warnings INTERFACE)
if(MSVC)
  target_compile_options(vortalis_warnings INTERFACE /W4)
else()
  target_compile_options(vortalis_warnings INTERFACE -Wall -Wextra -Wpedantic
                                                     -Wshadow -Wconversion -Wno-sign-conversion)
endif()

# Tests keep the backups of files rewritten in place, and what Qt's dialogs
# remember (their last folders, their column widths), away from the user's own.
set(VORTALIS_TEST_STATE
    "XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")

# Under Wine, the first program run creates the Windows prefix (several
# seconds), and no window may open: without a display an error box falls back
# to standard error, as it does in CI on Linux.
set(VORTALIS_DISCOVERY_TIMEOUT 5)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(VORTALIS_DISCOVERY_TIMEOUT 120)
  string(APPEND VORTALIS_TEST_STATE ";DISPLAY=;WAYLAND_DISPLAY=")
endif()

# vortalis_add_test(NAME source... LIBS lib...)
# One GoogleTest executable, registered with CTest case by case. A case that
# hangs (a shell call under Wine has, once) ends at five minutes, not CTest's 25.
function(vortalis_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main vortalis_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT ${VORTALIS_DISCOVERY_TIMEOUT}
                       PROPERTIES ENVIRONMENT "${VORTALIS_TEST_STATE}" TIMEOUT 300)
endfunction()

# vortalis_add_display_test(NAME source... LIBS lib...)
# One GoogleTest executable whose tests make windows, which need a display:
# under Wine, an X server of its own (xvfb-run) and a Wine prefix of the display
# tests' own, since Wine's desktop belongs to the first display its server
# meets and the other tests' server has none; one such test at a time.
function(vortalis_add_display_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name}_tests ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name}_tests PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main
                        vortalis_warnings)
  set_target_properties(${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    list(TRANSFORM CMAKE_CROSSCOMPILING_EMULATOR REPLACE "^WINEPREFIX=.*$"
         "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix-display" OUTPUT_VARIABLE wine_on_display)
    add_test(NAME ${name} COMMAND xvfb-run -a ${wine_on_display} $<TARGET_FILE:${name}_tests>)
  else()
    add_test(NAME ${name} COMMAND ${name}_tests)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VORTALIS_TEST_STATE}" TIMEOUT 120
                       RESOURCE_LOCK wine_display_prefix)
endfunction()

# vortalis_add_qt_test(NAME source... LIBS lib...)
# One Qt Test executable for window code, run on the offscreen platform: no
# display is needed.
function(vortalis_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test vortalis_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${VORTALIS_TEST_STATE}")
endfunction()

# vortalis_platform_sources(target stem...)
# Each stem's implementation for the system built for: stem_windows.cpp on
# Windows, stem_posix.cpp elsewhere. Outside platform/ folders, such pairs are
# the only place where the systems differ.
function(vortalis_platform_sources target)
  if(WIN32)
    set(suffix _windows.cpp)
  else()
    set(suffix _posix.cpp)
  endif()
  foreach(stem IN LISTS ARGN)
    target_sources(${target} PRIVATE ${stem}${suffix})
  endforeach()
endfunction()

# vortalis_add_test_tool(NAME source FOR test MACRO name LIBS lib...)
# A small program that `test` starts as a process of its own (to kill it, or to
# run it as another user), built into tools/ and not installed; the test finds
# it through the preprocessor name MACRO.
function(vortalis_add_test_tool name source)
  cmake_parse_arguments(ARG "" "FOR;MACRO" "LIBS" ${ARGN})
  add_executable(${name} ${source})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vortalis_warnings)
  target_compile_definitions(${ARG_FOR} PRIVATE ${ARG_MACRO}="$<TARGET_FILE:${name}>")
  add_dependencies(${ARG_FOR} ${name})
endfunction()
