# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

# Cross-building for 64-bit Windows on Debian with its MinGW-w64 compilers
# (g++-mingw-w64-x86-64-posix): the Qt that scripts/windows-qt.sh builds, and
# Quorvel against it. The posix flavour, because Qt needs std::thread and
# std::mutex, which the win32 flavour lacks.
#
#   -DQUORVEL_WINDOWS_QT=DIR  the cross-built Qt to build Quorvel against
#   -DQT_HOST_PATH=DIR        the Qt whose moc, rcc, uic and lrelease run here
#                             (default /usr, Debian's own Qt)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(QUORVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW_TRIPLE}-windres)

# Libraries and headers for Windows come only from MinGW's own tree and the
# cross-built Qt, never from the Linux system; programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLE})
if(QUORVEL_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEL_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${QUORVEL_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# try_compile() projects see these too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEL_WINDOWS_QT QT_HOST_PATH QT_HOST_PATH_CMAKE_DIR)

if(NOT QT_HOST_PATH)
    set(QT_HOST_PATH /usr CACHE PATH "The Qt whose build tools run on the build machine")
endif()
# Debian keeps the host Qt's CMake files in a multiarch folder, where Qt does
# not look by itself.
if(NOT QT_HOST_PATH_CMAKE_DIR)
    file(GLOB QUORVEL_HOST_INFO LIST_DIRECTORIES true "${QT_HOST_PATH}/lib/cmake/Qt6HostInfo"
         "${QT_HOST_PATH}/lib/*/cmake/Qt6HostInfo")
    if(QUORVEL_HOST_INFO)
        list(GET QUORVEL_HOST_INFO 0 QUORVEL_HOST_INFO)
        get_filename_component(QUORVEL_HOST_INFO "${QUORVEL_HOST_INFO}" DIRECTORY)
        set(QT_HOST_PATH_CMAKE_DIR "${QUORVEL_HOST_INFO}" CACHE PATH "The host Qt's CMake package folder")
    endif()
endif()

# Debian's Qt source leaves its plugins' CMake targets out unless asked; the
# packages bundle the platform and style plugins by their targets.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)

# The linker stamps each DLL and executable with the time it was linked
# unless told not to; the same sources should give the same files.
foreach(kind IN ITEMS EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()

# Windows programs built here run under wine, through a wrapper that hands
# them the Qt and MinGW DLLs and the QT_ variables: ctest and try_run() use it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
if(QUORVEL_WINDOWS_QT)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --qt ${QUORVEL_WINDOWS_QT})
endif()
