# SPDX-License-Identifier: Apache-2.0
# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the -posix thread model, which
# std::thread and Qt need). Used to build Qt, GoogleTest and the program itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come from the MinGW sysroot and the prefixes listed in
# QVT_WINDOWS_PREFIXES (the cached Qt and GoogleTest builds); programs from the build machine.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QVT_WINDOWS_PREFIXES)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QVT_WINDOWS_PREFIXES})
list(APPEND CMAKE_PREFIX_PATH ${QVT_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
