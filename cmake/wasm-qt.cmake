# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# The toolchain of the browser build: the Qt for WebAssembly that
# scripts/web-qt.sh builds, in QUORVEL_WEB_QT, on Debian's emscripten, which
# Qt's CMake files find through the EMSDK folder beside that Qt. Every later
# run of CMake in the build folder (a reconfigure during a build) finds it
# again here.
if(NOT QUORVEL_WEB_QT)
    message(FATAL_ERROR "The browser build needs -DQUORVEL_WEB_QT=<the folder scripts/web-qt.sh prints>")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEL_WEB_QT)
# A static Qt's plugins are linked in only when included, which Debian's
# patched source turns off by default: the wasm platform plugin is needed.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
set(ENV{EMSDK} "${QUORVEL_WEB_QT}/emsdk")
include("${QUORVEL_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
