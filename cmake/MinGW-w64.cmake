# Windows programs built here with Debian's MinGW-w64 and run under Wine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The "-posix" compilers: the default ones have neither std::mutex nor <thread>.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine finds none of the compiler's own DLLs: every program carries its runtime.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian's wine64 puts nothing on PATH. The prefix lives in the build, so that a
# fresh build starts from a fresh Windows. Under the C locale Wine garbles
# accented letters on the command line; the overrides keep Wine from offering to
# install Mono and Gecko.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
    "WINEDLLOVERRIDES=mscoree,mshtml=" /usr/lib/wine/wine64)
