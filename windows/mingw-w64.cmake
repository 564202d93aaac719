# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# Cross-building the Windows program on Debian: mingw-w64's compilers with
# the POSIX thread model (std::thread and std::mutex), linked statically, run
# under Wine for the tests. VORNABY_WINDOWS_ARCH: x86_64 (the default) or
# i686, the 32-bit program, which needs 32-bit Wine to run.
if(NOT VORNABY_WINDOWS_ARCH)
  set(VORNABY_WINDOWS_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VORNABY_WINDOWS_ARCH})
set(CMAKE_C_COMPILER ${VORNABY_WINDOWS_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORNABY_WINDOWS_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VORNABY_WINDOWS_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORNABY_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
if(VORNABY_WINDOWS_ARCH STREQUAL x86_64)
  set(wine_loader /usr/lib/wine/wine64)
else()
  set(wine_loader /usr/lib/wine/wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${wine_loader})
