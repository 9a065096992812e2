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
# Widgets and Test, the windows and offscreen platforms and the windows style.
#
# The result is kept in $QUORVEL_CACHE_DIR (default ~/.cache/quorvel, or under
# $XDG_CACHE_HOME), in a folder named by the Qt version and a digest of the
# configure options, the toolchain file and the compiler, so that a change of
# any of them builds afresh and anything else reuses it.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
toolchain=$top/cmake/mingw-w64-x86_64.cmake
cache_root=${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}

say() { echo "windows-qt: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; the Windows Qt is built from the source of the Qt installed here."

# Every module and plugin not listed above is off; the rest is the choice of
# a MinGW build without OpenGL. Debian's source drops the tablet library
# (3rdparty/wintab), so tablet events are off; Direct2D without DirectWrite 3
# fails to link the windows platform, so both are off. The third-party
# libraries are Qt's bundled ones, never a MinGW or host copy.
configure_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
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
    -DFEATURE_direct2d=OFF
    -DFEATURE_direct2d1_1=OFF
    -DFEATURE_directwrite3=OFF
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
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache_root/qt-windows"
# One build at a time per cache; a second caller waits and then finds it done.
exec 9>"$cache_root/qt-windows/.lock"
if ! flock -n 9; then
    say "waiting for another build of the Windows Qt to end"
    flock 9
fi
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# Whatever an interrupted or failed build left, of this Qt or another.
rm -rf "$cache_root"/qt-windows/*.work "$prefix"
work=$prefix.work
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"
log=$work/build.log
say "building Qt $qt_version for Windows into $prefix (about 15 minutes on 2 cores; log in $log)"

# Source entries for the mirrors this machine already uses, in apt's files of
# either format.
: >"$work/apt/sources.list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$work/apt/sources.list"
done
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/apt/sources.list.d/$(basename "$file")"
done
apt_options=(
    -o Dir::Etc::SourceList="$work/apt/sources.list"
    -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
    -o Dir::State::Lists="$work/apt/lists"
    -o Dir::Cache="$work/apt/cache"
    -o APT::Sandbox::User=root
)
(
    cd "$work"
    apt-get "${apt_options[@]}" update -q &&
        apt-get "${apt_options[@]}" source -q --download-only "qt6-base=$qt_version" &&
        dpkg-source --no-check -x qt6-base_*.dsc source
) >>"$log" 2>&1 || {
    tail -n 20 "$log" >&2
    fail "could not fetch and unpack the source of qt6-base $qt_version (see $log)"
}

# rcc and the MIME database's compression write times into the DLLs; they
# take the date of Debian's source, not the caller's SOURCE_DATE_EPOCH (the
# cache outlives commits) nor the time of the build. The work folder's path
# stays out of them too, so that they do not depend on where the cache is.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/source/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
prefix_map="-ffile-prefix-map=$work/source=qtbase -ffile-prefix-map=$work/build=qtbase-build"
{
    cmake -S "$work/source" -B "$work/build" "${configure_options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map" &&
        cmake --build "$work/build" &&
        cmake --install "$work/build"
} >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    fail "the cross-build of Qt failed (see $log)"
}
for wanted in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll plugins/styles/qwindowsvistastyle.dll; do
    [ -f "$prefix/$wanted" ] || fail "the Windows Qt lacks $wanted (see $log)"
done
# Qt's licences, which go with its DLLs into the Windows packages.
mkdir -p "$prefix/share/licenses"
cp "$work"/source/LICENSES/*.txt "$prefix/share/licenses/"
cp "$log" "$prefix/build.log"
rm -rf "$work"
touch "$prefix/.complete"
say "done"
echo "$prefix"
