# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/debian-source.sh: sourced by the scripts that build from a Debian
# source package.
#
# fetch_debian_source DIR PACKAGE VERSION: downloads that source package into
# DIR with apt-get source, through source entries for the mirrors this machine
# already uses (in apt's files of either format), kept in DIR: the machine's
# apt configuration is left as it is.
fetch_debian_source() {
    local dir=$1 package=$2 version=$3 file
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/apt/sources.list.d"
    : >"$dir/apt/sources.list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$dir/apt/sources.list"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$dir/apt/sources.list.d/$(basename "$file")"
    done
    local apt_options=(
        -o Dir::Etc::SourceList="$dir/apt/sources.list"
        -o Dir::Etc::SourceParts="$dir/apt/sources.list.d"
        -o Dir::State::Lists="$dir/apt/lists"
        -o Dir::Cache="$dir/apt/cache"
        -o APT::Sandbox::User=root
    )
    (
        cd "$dir" || exit
        apt-get "${apt_options[@]}" update -q &&
            apt-get "${apt_options[@]}" source -q --download-only "$package=$version"
    )
}
