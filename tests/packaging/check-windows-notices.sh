#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# check-windows-notices.sh ZIP
#
# Every DLL in the portable zip (the installer holds the same files) must be
# named in its THIRD-PARTY-NOTICES.txt, in an entry that gives its licence
# and its source, and every licence file an entry points to must be in the
# package: a DLL added to the package without its notice is handed out
# against its licence.
set -euo pipefail

[ $# -eq 1 ] || {
    echo "usage: $0 ZIP" >&2
    exit 2
}
zip=$1
name=$(basename "$zip" .zip)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
folder=$work/$name
[ -d "$folder" ] || {
    echo "FAILED: $zip holds no folder $name"
    exit 1
}
[ -f "$folder/THIRD-PARTY-NOTICES.txt" ] || {
    echo "FAILED: $zip holds no $name/THIRD-PARTY-NOTICES.txt"
    exit 1
}
notices=$(tr -d '\r' <"$folder/THIRD-PARTY-NOTICES.txt")
# The list of entries ends where the licence texts begin.
entries=$(sed '/^=====/,$d' <<<"$notices")

failures=0
dlls=$(cd "$folder" && find . -iname '*.dll' | sed 's,^\./,,' | LC_ALL=C sort)
[ -n "$dlls" ] || {
    echo "FAILED: $zip holds no DLL at all"
    exit 1
}
while IFS= read -r dll; do
    before=$failures
    windows_name=${dll//\//\\}
    # An entry: the DLLs' names, one a line, then its indented fields, up to
    # the blank line.
    entry=$(awk -v dll="$windows_name" '
        /^$/ { if (found) exit; next }
        $0 == dll { found = 1 }
        found { print }' <<<"$entries")
    if [ -z "$entry" ]; then
        echo "FAILED: THIRD-PARTY-NOTICES.txt does not name $windows_name"
        failures=$((failures + 1))
        continue
    fi
    for field in What Licence Source; do
        if ! grep -q "^    $field: ." <<<"$entry"; then
            echo "FAILED: the entry of $windows_name gives no $field"
            failures=$((failures + 1))
        fi
    done
    # The licence files it names, by the name they have in the package.
    while read -r licence; do
        if [ ! -f "$folder/$licence" ]; then
            echo "FAILED: the entry of $windows_name points to $licence, which the package lacks"
            failures=$((failures + 1))
        fi
    done < <(grep -o '[A-Za-z0-9.-]*\.txt' <<<"$entry" | grep -v '^qt6-base-windows-build.txt$' | sort -u)
    [ $failures -eq "$before" ] && echo "ok: $windows_name"
done <<<"$dlls"

if [ $failures -ne 0 ]; then
    echo "$failures fault(s) in the notices of $(basename "$zip")"
    exit 1
fi
