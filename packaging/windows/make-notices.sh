#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# make-notices.sh OUTPUT VERSION QT-PREFIX
#
# Writes the Windows packages' THIRD-PARTY-NOTICES.txt: each DLL they bundle,
# what it is, its licence and where its source is, then the licence texts the
# bundled code asks to be handed on with it. Qt's come from the source package
# the Qt in QT-PREFIX was built from (scripts/windows-qt.sh keeps it there),
# MinGW's from the Debian packages the DLLs were taken from.
set -euo pipefail

[ $# -eq 3 ] || {
    echo "usage: $0 OUTPUT VERSION QT-PREFIX" >&2
    exit 2
}
output=$1
version=$2
qt=$3
fail() {
    echo "make-notices.sh: $*" >&2
    exit 1
}

dsc=$(find "$qt/source-package" -maxdepth 1 -name 'qt6-base_*.dsc' 2>/dev/null | head -n 1)
[ -n "$dsc" ] || fail "$qt/source-package holds no qt6-base .dsc: run scripts/windows-qt.sh, which fetches it"
qt_source_version=$(sed -n 's/^Version: //p' "$dsc")
orig=$(find "$qt/source-package" -maxdepth 1 -name 'qt6-base_*.orig.tar.*' | head -n 1)
[ -n "$orig" ] || fail "$qt/source-package holds no qt6-base orig tarball"
source_files=$(cd "$qt/source-package" && find . -maxdepth 1 -type f -name 'qt6-base_*' -printf '%f\n' | LC_ALL=C sort)

# package_source BINARY-PACKAGE: "SOURCE-PACKAGE VERSION" of an installed package.
package_source() {
    dpkg-query -W -f='${source:Package} ${source:Version}' "$1" 2>/dev/null ||
        fail "$1 is not installed"
}
gcc_source=$(package_source gcc-mingw-w64-x86-64-posix-runtime)
gcc_upstream=$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix-runtime | sed 's/+[0-9.]*\(+b[0-9]*\)\{0,1\}$//')
mingw_source=$(package_source mingw-w64-x86-64-dev)
gcc_copyright=/usr/share/doc/gcc-mingw-w64-base/copyright
mingw_copyright=/usr/share/doc/mingw-w64-x86-64-dev/copyright
{ [ -f "$gcc_copyright" ] && [ -f "$mingw_copyright" ]; } || fail "the MinGW packages' copyright files are missing"

# Third-party code inside the Qt DLLs, as qtbase's qt_attribution.json files
# list it, for the modules and plugins bundled and the features they are
# built with: FOLDER|WHAT|LICENCE|LICENCE FILES IN FOLDER (or, starting with
# a slash, in qtbase).
qt_parts='src/3rdparty/blake2|BLAKE2 reference implementation (QCryptographicHash)|CC0-1.0 OR Apache-2.0|COPYING
src/3rdparty/D3D12MemoryAllocator|D3D12 Memory Allocator (Direct3D 12 in QRhi)|MIT|LICENSE.txt
src/3rdparty/double-conversion|double-conversion (number formatting)|BSD-3-Clause|LICENSE
src/3rdparty/easing|Easing Equations by Robert Penner (QEasingCurve)|BSD-3-Clause|LICENSE
src/3rdparty/freetype|FreeType 2, with its zlib, BDF and PCF parts (fonts)|FTL OR GPL-2.0; Zlib; MIT|LICENSE.txt ZLIB-LICENSE.txt BDF-LICENSE.txt PCF-LICENSE.txt
src/3rdparty/harfbuzz-ng|HarfBuzz (text shaping)|MIT|COPYING
src/3rdparty/icc|sRGB colour profile (QColorSpace)|ICC License|LICENSE.txt
src/3rdparty/libpng|libpng (PNG images)|Libpng AND libpng-2.0|LICENSE
src/3rdparty/md4|MD4 (QCryptographicHash)|public domain|
src/3rdparty/md4c|MD4C (Markdown in QTextDocument)|MIT|LICENSE.md
src/3rdparty/md5|MD5 (QCryptographicHash)|public domain|
src/3rdparty/pcre2|PCRE2 and its JIT compiler (QRegularExpression)|BSD-3-Clause; BSD-2-Clause|LICENCE LICENCE-SLJIT
src/3rdparty/rfc6234|SHA-384 and SHA-512 of RFC 6234 (QCryptographicHash)|BSD-3-Clause|LICENSE
src/3rdparty/sha1|SHA-1 (QCryptographicHash)|public domain|
src/3rdparty/sha3|SHA-3: Keccak and brg_endian (QCryptographicHash)|CC0-1.0; BSD-2-Clause|CC0_LICENSE BRG_ENDIAN_LICENSE
src/3rdparty/siphash|SipHash (QHash)|CC0-1.0|/LICENSES/CC0-1.0.txt
src/3rdparty/tinycbor|TinyCBOR (QCborStreamReader, QCborStreamWriter)|MIT|LICENSE
src/3rdparty/zlib|zlib (compression)|Zlib|LICENSE
src/corelib/mimetypes/3rdparty|Apache Tika MimeType Definitions (QMimeDatabase)|Apache-2.0|/LICENSES/Apache-2.0.txt
src/corelib/text|data of the Unicode Character Database and CLDR (QChar, QLocale, QTimeZone)|Unicode-DFS-2016; Unicode-3.0|/LICENSES/Unicode-DFS-2016.txt /LICENSES/Unicode-3.0.txt
src/gui/painting|anti-aliasing rasteriser from FreeType 2|FTL OR GPL-2.0|
src/gui/painting|Smooth Scaling Algorithm (QImage::transformed)|BSD-2-Clause AND Imlib2|QIMAGETRANSFORM_LICENSE.txt
src/gui/painting|X Server helper (QRegion)|X11 AND HPND|XCONSORTIUM_LICENSE.txt
src/gui/rhi|mipmap generator from the MiniEngine samples of DirectX (Direct3D 12 in QRhi)|MIT|MiniEngine_LICENSE.txt
src/gui/text|Adobe Glyph List For New Fonts|BSD-3-Clause|AGLFN_LICENSE.txt'

# qtbase_path FOLDER FILE: where a licence file of the list is in qtbase.
qtbase_path() {
    case $2 in
    /*) echo "${2#/}" ;;
    *) echo "$1/$2" ;;
    esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wanted=()
while IFS='|' read -r folder _ _ files; do
    for file in $files; do
        wanted+=("*/$(qtbase_path "$folder" "$file")")
    done
done <<<"$qt_parts"
tar -xf "$orig" -C "$work" --wildcards "${wanted[@]}" || fail "$orig lacks a licence file of Qt's third-party code"
top=$(cd "$work" && echo *)

rule='========================================================================'
{
    cat <<EOF
Quorvel $version for 64-bit Windows: third-party notices

Quorvel is free software under the GNU General Public License, version 3
or later: COPYING.txt in this folder. Its source is quorvel-$version.tar.xz,
on the release page beside this package.

This package also holds the following files of others, each under its own
licence. The release page offers the source of each beside the packages,
or names where it is.

Qt6Core.dll
Qt6Gui.dll
Qt6Widgets.dll
plugins\\platforms\\qwindows.dll
plugins\\styles\\qmodernwindowsstyle.dll
    What: Qt ${qt_source_version%%[+~-]*} (qtbase), of The Qt Company Ltd and other
    contributors.
    Licence: GNU Lesser General Public License, version 3
    (Qt-LICENSE-LGPL-3.0.txt), which adds to the GNU General Public License,
    version 3 (COPYING.txt). Code of others inside them, and its licences,
    are listed under "Third-party code in Qt" below.
    Source: Debian's source package qt6-base, version $qt_source_version,
    exactly as these DLLs were built from it:
$(while read -r file; do echo "        $file"; done <<<"$source_files")
    on the release page, with qt6-base-windows-build.txt, which gives the
    compiler and every option they were built with; the same package is at
    https://snapshot.debian.org/package/qt6-base/$qt_source_version/.
    You may put DLLs of your own build of Qt 6 in their place.

libstdc++-6.dll
libgcc_s_seh-1.dll
    What: the C++ and GCC runtime libraries of GCC $gcc_upstream, as
    Debian's MinGW-w64 cross compiler ships them.
    Licence: GNU General Public License, version 3 (COPYING.txt), with the
    GCC Runtime Library Exception, version 3.1 (below).
    Source: Debian's source package ${gcc_source% *}, version ${gcc_source#* },
    built from the GCC source of Debian's gcc-${gcc_upstream%%.*}-source: see
    https://snapshot.debian.org/package/${gcc_source% *}/${gcc_source#* }/.

libwinpthread-1.dll
    What: winpthreads, the POSIX threads library of the mingw-w64 project.
    Licence: MIT (expat), parts under BSD licences: see "mingw-w64" below.
    Source: Debian's source package ${mingw_source% *}, version ${mingw_source#* }:
    https://snapshot.debian.org/package/${mingw_source% *}/${mingw_source#* }/.

quorvel.exe and each DLL above also hold start-up code of the mingw-w64
runtime, from the same source package, under the licences in "mingw-w64"
below.

$rule
Third-party code in Qt
$rule

The Qt DLLs contain the following code of others (as listed by the
qt_attribution.json files of the qtbase source). Portions of this software
are copyright (C) The FreeType Project (www.freetype.org). All rights
reserved.

EOF
    while IFS='|' read -r folder what licence files; do
        echo "* $what"
        echo "  Licence: $licence; qtbase/$folder"
    done <<<"$qt_parts"
    while IFS='|' read -r folder what _ files; do
        for file in $files; do
            file=$(qtbase_path "$folder" "$file")
            printf '\n%s\n%s (%s)\n%s\n\n' "$rule" "$file" "$what" "$rule"
            cat "$work/$top/$file"
        done
    done <<<"$qt_parts"

    printf '\n%s\nGCC Runtime Library Exception (libstdc++-6.dll, libgcc_s_seh-1.dll)\n%s\n\n' "$rule" "$rule"
    awk '/^GCC RUNTIME LIBRARY EXCEPTION$/ { on = 1 } on { print } on && /requirements of the license of GCC\.$/ { exit }' \
        "$gcc_copyright"

    printf '\n%s\nmingw-w64 (libwinpthread-1.dll, and the runtime in every file)\n%s\n\n' "$rule" "$rule"
    echo "The copyright file of Debian's package of mingw-w64, as it stands:"
    echo
    cat "$mingw_copyright"
} >"$work/notices"

grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$work/notices" || fail "$gcc_copyright no longer holds the runtime exception"
# Windows' Notepad of old wants CRLF.
sed 's/$/\r/' "$work/notices" >"$output"
