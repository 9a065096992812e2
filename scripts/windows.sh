#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/windows.sh [BUILD-DIR]
#
# Cross-builds Quorvel and its tests for 64-bit Windows in BUILD-DIR (default
# build-windows) against the Qt of scripts/windows-qt.sh, runs every test
# under wine (the installer's round trip among them, which makes the
# installer and the portable zip), and names the two packages. Besides,
# BUILD-DIR/release/ gets what a release hands out with them: the source
# package of their Qt in source/, and how that Qt was built from it in
# qt6-base-windows-build.txt.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
build=${1:-build-windows}
toolchain=$top/cmake/mingw-w64-x86_64.cmake

# The packages are dated by the commit, as the .deb is.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi

qt=$(scripts/windows-qt.sh)
echo "Using the Windows Qt in $qt"

# A build folder made against another Qt, or not for Windows, starts afresh:
# CMake would otherwise keep the old Qt's paths.
if [ -f "$build/CMakeCache.txt" ] &&
    ! { grep -qx "QUORVEL_WINDOWS_QT:[A-Z]*=$qt" "$build/CMakeCache.txt" &&
        grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$build/CMakeCache.txt"; }; then
    echo "$build was configured for another Qt or platform; starting it afresh"
    rm -rf "$build"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUORVEL_WINDOWS_QT="$qt" >/dev/null
cmake --build "$build"

# The tests' own wine prefix, beside the build, made on first use.
WINEPREFIX=$(cd "$build" && pwd)/wine-prefix
export WINEPREFIX
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The source of the Qt DLLs, exactly the package the cached Qt was built from.
release=$(realpath -m "$build")/release
rm -rf "$release"
mkdir -p "$release/source"
cp "$qt"/source-package/qt6-base_* "$release/source/"
scripts/windows-qt.sh --describe >"$release/qt6-base-windows-build.txt"

package=$(sed -n 's/^QUORVEL_WINDOWS_PACKAGE:INTERNAL=//p' "$build/CMakeCache.txt")
for file in "$build/$package-setup.exe" "$build/$package.zip"; do
    [ -f "$file" ] || {
        echo "$file was not made" >&2
        exit 1
    }
    echo "Made $file ($(du -k --apparent-size "$file" | cut -f1) kB)"
done
