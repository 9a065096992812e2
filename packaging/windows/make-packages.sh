#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# make-packages.sh BUILD-DIR NAME NSIS-SCRIPT STRIP
#
# Makes BUILD-DIR/NAME-setup.exe (the installer) and BUILD-DIR/NAME.zip (the
# portable folder NAME/) from what cmake --install puts in a folder, every
# executable and DLL stripped. With SOURCE_DATE_EPOCH set every file is
# dated by it, so the same commit gives the same two files.
# The $INSTDIR in single quotes below is NSIS's own.
# shellcheck disable=SC2016
set -euo pipefail

[ $# -eq 4 ] || {
    echo "usage: $0 BUILD-DIR NAME NSIS-SCRIPT STRIP" >&2
    exit 2
}
build=$(cd "$1" && pwd)
name=$2
nsis_script=$3
strip=$4
work=$build/windows-packages
stage=$work/$name

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" -type f \( -name '*.exe' -o -name '*.dll' \) -exec "$strip" --strip-unneeded {} +

export TZ=UTC
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi

# The portable zip: files only, in a fixed order, without owners or extra
# time fields.
rm -f "$build/$name.zip"
(cd "$work" && find "$name" -type f | LC_ALL=C sort | zip -q -X -9 "$build/$name.zip" -@)

# The installer's lists of what it installs and what its uninstaller removes.
files=$work/files.nsh
unfiles=$work/unfiles.nsh
: >"$files"
: >"$unfiles"
while IFS= read -r dir; do
    relative=${dir#"$stage"}
    printf 'SetOutPath "$INSTDIR%s"\n' "${relative//\//\\}" >>"$files"
    find "$dir" -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r file; do
        printf 'File "%s"\n' "$file" >>"$files"
        relative=${file#"$stage"}
        printf 'Delete "$INSTDIR%s"\n' "${relative//\//\\}" >>"$unfiles"
    done
done < <(find "$stage" -type d | LC_ALL=C sort)
# Folders deepest first, each removed only once it is empty.
find "$stage" -mindepth 1 -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
    relative=${dir#"$stage"}
    printf 'RMDir "$INSTDIR%s"\n' "${relative//\//\\}" >>"$unfiles"
done
size_kb=$(du -sk --apparent-size "$stage" | cut -f1)

makensis -V2 -INPUTCHARSET UTF8 -NOCD \
    "-DOUTFILE=$build/$name-setup.exe" "-DFILES=$files" "-DUNFILES=$unfiles" "-DSIZE_KB=$size_kb" \
    "$nsis_script"
echo "Made $build/$name-setup.exe and $build/$name.zip"
