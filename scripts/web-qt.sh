#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/web-qt.sh [--describe]
#
# Cross-builds, once, the Qt for WebAssembly that the browser build of Quorvel
# links statically, and prints the folder it is installed in. Runs on Debian
# 13, whose emscripten and Qt it takes: the source is Debian's own qt6-base, of
# the version installed here (the host Qt, whose moc, rcc and uic the build
# uses), fetched with apt-get source (scripts/debian-source.sh). Only Core,
# Gui, Widgets and the wasm platform are built, single-threaded and optimised
# for size, with the features the program does not use switched off. Qt's
# CMake files find emscripten through $EMSDK: the folder's emsdk/ is the one
# to build with.
#
# The result is kept in $QUORVEL_CACHE_DIR (default ~/.cache/quorvel, or under
# $XDG_CACHE_HOME), in qt-web/ under a folder named by the Qt version and a
# digest of the configure options and the compiler, so that a change of either
# builds afresh and anything else reuses it. --describe prints how it is
# built, for the release's notes.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache_root=${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
# shellcheck source=scripts/debian-source.sh
. "$top/scripts/debian-source.sh"

say() { echo "web-qt: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; the WebAssembly Qt is built from the source of the Qt installed here."
emcc=$(command -v emcc) || fail "emcc is missing: install emscripten."
emscripten_dir=$(dirname "$(readlink -f "$emcc")")
toolchain=$emscripten_dir/cmake/Modules/Platform/Emscripten.cmake
[ -f "$toolchain" ] || fail "emscripten's CMake toolchain file is not at $toolchain"
compiler=$(emcc --version 2>/dev/null | head -n 1)

# What the program does not use is off: the modules beyond Widgets, the image
# formats but PNG, the rich-text formats, and threads (a threaded page needs
# headers for cross-origin isolation that a plain static server does not
# send). The third-party libraries are Qt's bundled ones. The sources are
# compiled in batches (Qt's unity build): the same code in half the compiler
# runs, which takes the build from about 37 minutes of CPU to 24.
configure_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_optimize_size=ON
    -DQT_UNITY_BUILD=ON
    -DFEATURE_thread=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)

key=$( (
    printf '%s\n' "${configure_options[@]}" "$compiler"
    echo "dated by the source's debian/changelog"
) | sha256sum | cut -c1-12)
prefix=$cache_root/qt-web/$qt_version-$key

# emsdk_shim DIR: Qt's CMake files, building Qt and building with it, read the
# emscripten version through $EMSDK, a folder laid out as upstream's installer
# lays it; DIR shows Debian's emscripten to them that way.
emsdk_shim() {
    mkdir -p "$1"
    ln -sfn "$emscripten_dir" "$1/emscripten"
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$1/.emscripten"
}

if [ "${1:-}" = --describe ]; then
    # shellcheck disable=SC2016 # the $PWD is the reader's
    flags='-ffile-prefix-map=$PWD/source=qtbase -ffile-prefix-map=$PWD/build=qtbase-build'
    cat <<EOF
Qt $qt_version for WebAssembly, as the Quorvel web site links it statically

Source: Debian's source package qt6-base, version $qt_version: the .dsc
and its tarballs beside this file. Unpack them with
    dpkg-source -x qt6-base_*.dsc source
(or fetch them again with: apt-get source qt6-base=$qt_version).

Compiler: $compiler
(Debian 13's emscripten $(dpkg-query -W -f='${Version}' emscripten), with its CMake toolchain file), and Debian 13's
own Qt $qt_version (qt6-base-dev-tools) as the host Qt.

Configured, built and installed from the folder holding source/, with
SOURCE_DATE_EPOCH set to the date of the source's changelog, and EMSDK set
to a folder that shows Debian's emscripten to Qt as upstream's installer
lays it out,
    export SOURCE_DATE_EPOCH=\$(dpkg-parsechangelog -l source/debian/changelog -STimestamp)
    mkdir emsdk && ln -s $emscripten_dir emsdk/emscripten
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >emsdk/.emscripten
    export EMSDK=\$PWD/emsdk
and then:

    cmake -S source -B build \\
$(printf '        %s \\\n' "${configure_options[@]}" | sed 'N;s/^\( *-G\) \\\n */\1 /;P;D')
        -DCMAKE_TOOLCHAIN_FILE=$toolchain \\
        -DCMAKE_INSTALL_PREFIX=\$PWD/prefix \\
        "-DCMAKE_C_FLAGS=$flags" \\
        "-DCMAKE_CXX_FLAGS=$flags"
    cmake --build build
    cmake --install build
EOF
    exit 0
fi

if [ -f "$prefix/.complete" ]; then
    emsdk_shim "$prefix/emsdk"
    echo "$prefix"
    exit 0
fi

# Qt's CMake files find emscripten through $EMSDK.
prepare_qt_build() {
    export EMSDK=$1/emsdk
    emsdk_shim "$EMSDK"
}
build_qt_from_source "$cache_root/qt-web" "the WebAssembly Qt"
finish_qt_build lib/libQt6Core.a lib/libQt6Gui.a lib/libQt6Widgets.a plugins/platforms/libqwasm.a \
    plugins/platforms/wasm_shell.html plugins/platforms/qtloader.js bin/qt-cmake
emsdk_shim "$prefix/emsdk"
touch "$prefix/.complete"
say "done"
echo "$prefix"
