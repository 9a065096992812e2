#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# check-windows-resources.sh EXE ICON PRODUCT DESCRIPTION VERSION
#
# Reads the version resource and the icon back out of the built executable
# with wrestool: Explorer's Properties and the taskbar show these, and a
# mistake in the resource script or its build rule shows nowhere else.
set -euo pipefail

[ $# -eq 5 ] || {
    echo "usage: $0 EXE ICON PRODUCT DESCRIPTION VERSION" >&2
    exit 2
}
exe=$1
icon=$2
product=$3
description=$4
version=$5
IFS=. read -r major minor patch <<<"$version"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

# The icon: every picture of the .ico, pixel for pixel.
wrestool -x -t 14 "$exe" >"$work/extracted.ico" 2>/dev/null || true
check "the executable carries an icon" test -s "$work/extracted.ico"
mkdir "$work/built" "$work/source"
cp "$icon" "$work/source.ico"
# Both named alike, so that icotool names their pictures alike.
(cd "$work" && mv extracted.ico icon.ico && icotool -x -o built icon.ico 2>/dev/null) || true
(cd "$work" && mv source.ico icon.ico && icotool -x -o source icon.ico)
check "the icon holds the same sizes as $(basename "$icon")" \
    test "$(cd "$work/built" && ls)" = "$(cd "$work/source" && ls)"
same_pictures() {
    local picture
    for picture in "$work/source"/*.png; do
        cmp -s "$picture" "$work/built/$(basename "$picture")" || return 1
    done
}
check "each of its pictures is the source's" same_pictures

# The version resource: the fixed part's numbers, then the strings.
wrestool -x --raw -t 16 "$exe" >"$work/version.bin" 2>/dev/null || true
check "the executable carries a version resource" test -s "$work/version.bin"
hex=$(od -An -v -tx1 "$work/version.bin" | tr -d ' \n')
# VS_FIXEDFILEINFO: its signature, its structure version, then the file's
# and the product's version as two little-endian pairs of 16-bit numbers.
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
numbers="$(le16 "$minor")$(le16 "$major")0000$(le16 "$patch")"
check "the file and product versions are $version.0" \
    grep -q "bd04effe00000100${numbers}${numbers}" <<<"$hex"
# Each string's key is preceded by its lengths, which read as a character
# or two here.
strings_text=$(iconv -f UTF-16LE -t UTF-8 "$work/version.bin" 2>/dev/null | tr '\0' '\n' | grep -av '^$' || true)
string_value() { grep -a -A1 "$1\$" <<<"$strings_text" | sed -n 2p; }
check "ProductName is $product" test "$(string_value ProductName)" = "$product"
check "FileDescription is $description" test "$(string_value FileDescription)" = "$description"
check "ProductVersion is $version" test "$(string_value ProductVersion)" = "$version"
check "FileVersion is $version" test "$(string_value FileVersion)" = "$version"
check "OriginalFilename is $(basename "$exe")" test "$(string_value OriginalFilename)" = "$(basename "$exe")"
check "CompanyName names the makers" test -n "$(string_value CompanyName)"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of $(basename "$exe") failed"
    exit 1
fi
