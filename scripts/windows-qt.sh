#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/windows-qt.sh
#
# Cross-builds, once, the Qt that the Windows build of Quorvel runs on, and
# prints the folder it is installed in. The source is Debian's own qt6-base,
# of the version installed here for the Linux build, fetched with apt-get
# source through a private sources list: the machine's apt configuration is
# left as it is. Only what Quorvel and its tests use is built: Core, Gui,
# Widgets and Test, the windows and offscreen platforms and the native styles.
#
# The result is kept in $QUORVEL_CACHE_DIR (default ~/.cache/quorvel, or under
# $XDG_CACHE_HOME), in a folder named by the Qt version and a digest of the
# configure options, the toolchain file and the compiler, so that a change of
# any of them builds afresh and anything else reuses it.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
toolchain=$top/cmake/mingw-w64-x86_64.cmake
cache_root=${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
# shellcheck source=scripts/debian-source.sh
. "$top/scripts/debian-source.sh"

say() { echo "windows-qt: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; the Windows Qt is built from the source of the Qt installed here."

# Every module and plugin not listed above is off; the rest is the choice of
# a MinGW build without OpenGL. Debian's source drops the tablet library
# (3rdparty/wintab), so tablet events are off. Text is laid out and drawn with
# DirectWrite, as in Qt's own Windows builds; Qt's DirectWrite font database
# needs Direct2D too (which builds a Direct2D platform that the packages
# leave out). The third-party libraries are Qt's bundled ones, never a MinGW
# or host copy. A unity build compiles Qt in about half the time.
configure_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_UNITY_BUILD=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=ON
    -DFEATURE_direct2d1_1=ON
    -DFEATURE_directwrite=ON
    -DFEATURE_directwrite3=ON
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)
compiler=$(x86_64-w64-mingw32-g++-posix --version 2>/dev/null | head -n 1) ||
    fail "x86_64-w64-mingw32-g++-posix is missing: install g++-mingw-w64-x86-64-posix."

# The last line names how the build is dated (below), which changes what
# comes out.
key=$( (
    printf '%s\n' "${configure_options[@]}" "$compiler"
    cat "$toolchain"
    echo "dated by the source's debian/changelog"
) | sha256sum | cut -c1-12)
prefix=$cache_root/qt-windows/$qt_version-$key

if [ "${1:-}" = --describe ]; then
    # How this Qt is built, for whoever rebuilds the DLLs from its source;
    # the $PWD below is the reader's, in the commands they run.
    # shellcheck disable=SC2016
    flags='-ffile-prefix-map=$PWD/source=qtbase -ffile-prefix-map=$PWD/build=qtbase-build'
    mingw=$(dpkg-query -W -f='${binary:Package} ${Version}, ' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev)
    cat <<EOF
Qt $qt_version for 64-bit Windows, as the Quorvel packages bundle it

Source: Debian's source package qt6-base, version $qt_version: the .dsc
and its tarballs beside this file. Unpack them with
    dpkg-source -x qt6-base_*.dsc source
(or fetch them again with: apt-get source qt6-base=$qt_version).

Compiler: $compiler
(Debian's ${mingw%, }), with this CMake toolchain file,
mingw-w64-x86_64.cmake, as in Quorvel's own source:

$(sed 's/^/    /' "$toolchain")

Configured, built and installed from the folder holding source/, with
SOURCE_DATE_EPOCH set to the date of the source's changelog,
    export SOURCE_DATE_EPOCH=\$(dpkg-parsechangelog -l source/debian/changelog -STimestamp)
and then:

    cmake -S source -B build \\
$(printf '        %s \\\n' "${configure_options[@]}" | sed 'N;s/^\( *-G\) \\\n */\1 /;P;D')
        -DCMAKE_TOOLCHAIN_FILE=\$PWD/mingw-w64-x86_64.cmake \\
        -DCMAKE_INSTALL_PREFIX=\$PWD/prefix \\
        "-DCMAKE_C_FLAGS=$flags" \\
        "-DCMAKE_CXX_FLAGS=$flags"
    cmake --build build
    cmake --install build

The packages bundle prefix/bin/Qt6Core.dll, Qt6Gui.dll and Qt6Widgets.dll,
prefix/plugins/platforms/qwindows.dll and
prefix/plugins/styles/qmodernwindowsstyle.dll, each stripped with
x86_64-w64-mingw32-strip --strip-unneeded.
EOF
    exit 0
fi

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

build_qt_from_source "$cache_root/qt-windows" "the Windows Qt"
finish_qt_build bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll plugins/styles/qmodernwindowsstyle.dll
touch "$prefix/.complete"
say "done"
echo "$prefix"
