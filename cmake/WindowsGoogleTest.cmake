# GoogleTest for the Windows build, compiled from Debian's sources (package
# googletest) with the cross compiler: Debian ships no Windows binaries of it.
set(VORTALIS_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${VORTALIS_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are missing: install the package googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VORTALIS_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# It names its libraries GTest::gtest and GTest::gtest_main itself.
include(GoogleTest)
