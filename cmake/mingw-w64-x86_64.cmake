# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, which std::thread needs). Programs run on the build machine
# through wine, so that tests and test discovery work as on Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NORALIM_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NORALIM_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NORALIM_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${NORALIM_MINGW}-windres)

# Libraries, headers and packages only from the MinGW tree and from the
# prefix of libraries built for Windows (NORALIM_WINDOWS_PREFIX: GoogleTest,
# the JSON headers, Qt), never from the build machine's /usr; programs (Qt's
# host tools) from the build machine.
set(NORALIM_WINDOWS_PREFIX "" CACHE PATH "Prefix of the libraries built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NORALIM_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${NORALIM_MINGW} ${NORALIM_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${NORALIM_WINDOWS_PREFIX} ${NORALIM_WINDOWS_PREFIX}/qt6)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC runtime linked into each program, so that it runs with no MinGW DLL
# beside it; off for Qt and for programs that load Qt's DLLs, which then all
# share the runtime's DLLs (one C++ runtime in the process).
set(NORALIM_STATIC_RUNTIME ON CACHE BOOL "Link the GCC runtime into each program")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NORALIM_STATIC_RUNTIME)
if(NORALIM_STATIC_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

find_program(NORALIM_WINE NAMES wine wine64)
if(NORALIM_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${NORALIM_WINE})
endif()
