#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/check-versions.sh [SOURCE-DIR] [--windows-exe QUORVEL.EXE]
#
# Reads every place that states the version of the program and fails, naming
# each, where one disagrees with the project() line of the top CMakeLists.txt:
# the Debian changelog's top entry, the AppStream file's newest release entry
# and its date (the changelog entry's), the manual page's heading (version and
# date), and, given a built quorvel.exe, its version resource. The manual page
# must also give the addresses that the about window links to.
# A new version that misses one of them would ship an old number somewhere.
set -euo pipefail

source_dir=.
exe=
while [ $# -gt 0 ]; do
    case "$1" in
    --windows-exe)
        exe=$2
        shift 2
        ;;
    *)
        source_dir=$1
        shift
        ;;
    esac
done
cd "$source_dir"

failures=0
agree() {
    local what=$1 found=$2 wanted=$3
    if [ "$found" = "$wanted" ]; then
        echo "ok: $what is $wanted"
    else
        echo "DISAGREES: $what is '${found}', not '$wanted'"
        failures=$((failures + 1))
    fi
}

# The project() call, across its lines.
project=$(sed -n '/^project(/,/)/p' CMakeLists.txt)
version=$(sed -n 's/^[[:space:]]*VERSION[[:space:]]\{1,\}\([^[:space:])]*\).*/\1/p' <<<"$project")
homepage=$(sed -n 's/^[[:space:]]*HOMEPAGE_URL[[:space:]]\{1,\}"\([^"]*\)".*/\1/p' <<<"$project")
email=$(sed -n 's/^set(QUORVEL_MAKER_EMAIL[[:space:]]\{1,\}\([^[:space:])]*\)).*/\1/p' CMakeLists.txt)
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "DISAGREES: the project() line of CMakeLists.txt gives no version MAJOR.MINOR.PATCH ('$version')"
    exit 1
fi
echo "The version is $version (the project() line of CMakeLists.txt)"

# The changelog's top entry: its version, and the date of its release.
heading=$(sed -n 1p packaging/changelog)
agree "the version of the top entry of packaging/changelog" \
    "$(sed -n 's/^quorvel (\([^)]*\)) .*/\1/p' <<<"$heading")" "$version"
trailer=$(sed -n '/^ -- /{p;q}' packaging/changelog)
release_date=$(date -u -d "${trailer#*>  }" +%F 2>/dev/null) || {
    echo "DISAGREES: the top entry of packaging/changelog has no date one can read: '$trailer'"
    failures=$((failures + 1))
    release_date=unknown
}

# The newest release in the AppStream file comes first.
release=$(grep -o -m 1 '<release [^>]*>' packaging/org.example.quorvel.metainfo.xml || true)
agree "the version of the newest <release> in packaging/org.example.quorvel.metainfo.xml" \
    "$(sed -n 's/.* version="\([^"]*\)".*/\1/p' <<<"$release")" "$version"
agree "the date of that <release> (the changelog entry's)" \
    "$(sed -n 's/.* date="\([^"]*\)".*/\1/p' <<<"$release")" "$release_date"

# .TH QUORVEL 1 DATE "Quorvel VERSION" "User Commands"
th=$(grep -m 1 '^\.TH ' packaging/quorvel.1 || true)
agree "the version in the heading of packaging/quorvel.1" \
    "$(sed -n 's/^\.TH [^ ]* [^ ]* [^ ]* "Quorvel \([^"]*\)".*/\1/p' <<<"$th")" "$version"
agree "the date in the heading of packaging/quorvel.1 (the changelog entry's)" \
    "$(awk '{ print $4 }' <<<"$th")" "$release_date"
# Where to report problems: where the about window links.
for address in "$email" "$homepage"; do
    if [ -n "$address" ] && grep -qF "$address" packaging/quorvel.1; then
        echo "ok: packaging/quorvel.1 gives the maker's address $address"
    else
        echo "DISAGREES: packaging/quorvel.1 does not give the maker's address '$address'"
        failures=$((failures + 1))
    fi
done

if [ -n "$exe" ] && [ ! -f "$exe" ]; then
    echo "DISAGREES: there is no $exe to read the version resource of"
    failures=$((failures + 1))
elif [ -n "$exe" ]; then
    # The strings of the version resource, each key followed by its value.
    strings_text=$(wrestool -x --raw -t 16 "$exe" 2>/dev/null | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
        tr '\0' '\n' | grep -av '^$' || true)
    for key in ProductVersion FileVersion; do
        agree "$key in the version resource of $(basename "$exe")" \
            "$(grep -a -A1 "$key\$" <<<"$strings_text" | sed -n 2p)" "$version"
    done
fi

if [ $failures -ne 0 ]; then
    echo "$failures place(s) disagree with version $version"
    exit 1
fi
