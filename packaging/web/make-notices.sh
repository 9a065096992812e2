#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# make-notices.sh QT-PREFIX
#
# Prints the site's THIRD-PARTY-NOTICES.txt: what quorvel.wasm holds besides
# Quorvel (Qt, the third-party code inside Qt, emscripten's C and C++ runtime)
# and the font the page brings, each with its licence and where its source
# is; then the copyright files Debian ships with those packages, which hold
# every licence text they ask to be handed on. Runs where the site is built
# (Debian 13), whose packages they are.
set -euo pipefail

qt=${1:?usage: make-notices.sh QT-PREFIX}
fail() {
    echo "make-notices.sh: $*" >&2
    exit 1
}
version_of() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || fail "$1 is not installed"; }
dsc=$(find "$qt/source-package" -maxdepth 1 -name 'qt6-base_*.dsc' | head -n 1)
[ -n "$dsc" ] || fail "$qt/source-package holds no qt6-base .dsc"
qt_version=$(sed -n 's/^Version: //p' "$dsc")
emscripten_version=$(version_of emscripten)
liberation_version=$(version_of fonts-liberation2)
copyrights=(
    "Qt|/usr/share/doc/libqt6core6t64/copyright"
    "emscripten|/usr/share/doc/emscripten/copyright"
    "Liberation Sans|/usr/share/doc/fonts-liberation2/copyright"
)
for entry in "${copyrights[@]}"; do
    [ -f "${entry#*|}" ] || fail "${entry#*|} is missing"
done

cat <<EOF
Third-party software in Quorvel for the browser
===============================================

Quorvel is free software under the GNU General Public License, version 3 or
later (COPYING.txt). quorvel.wasm and quorvel.js, the program the page runs,
are linked statically from Quorvel and from:

- Qt $qt_version (Core, Gui, Widgets and the WebAssembly platform), under the
  GNU Lesser General Public License version 3 or the GNU General Public
  License version 2 or 3; with the third-party code that Qt builds in
  (zlib, libpng, FreeType, HarfBuzz, PCRE2, double-conversion, the Unicode
  data, the DejaVu Sans and DejaVu Sans Mono fonts and others), each under
  the licence the Qt section below names for its files.
  Source: Debian's source package qt6-base, version $qt_version
  (qt6-base_*.dsc and its tarballs, beside this zip in the release; or
  apt-get source qt6-base=$qt_version). qt6-base-web-build.txt says how it
  was built.
- emscripten $emscripten_version's runtime: its C library (from musl), the
  C++ library (LLVM's libc++, libc++abi and compiler-rt), its allocator and
  the JavaScript that starts the program, under the MIT licence, the
  University of Illinois/NCSA licence and the Apache License 2.0 with LLVM
  exceptions, as the emscripten section below names for its files.
  Source: emscripten-*-runtime-source.tar.xz beside this zip in the release,
  the files of Debian's package emscripten $emscripten_version that emcc
  compiles that runtime from (system/ and src/), with their copyright file;
  or Debian's source package (apt-get source emscripten=$emscripten_version).
- qtloader.js, Qt's loader for the page, from the same Qt source.

The page brings a font, built into quorvel.wasm: "Quorvel Sans", Liberation
Sans (Debian's fonts-liberation2, version $liberation_version) cut to the
characters the program shows and unhinted, and so renamed, as the SIL Open
Font License 1.1 asks of a modified version. It stays under that licence
(below, in the Liberation Sans section).

EOF
for entry in "${copyrights[@]}"; do
    title="${entry%%|*}, as Debian lists its copyright and licences"
    printf '\n%s\n%s\n\n' "$title" "$(printf '%*s' "${#title}" '' | tr ' ' '=')"
    cat "${entry#*|}"
done
