# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/debian-source.sh: sourced by the scripts that build Qt from a
# Debian source package and keep it in a cache folder.
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

# unpack_debian_source DIR PACKAGE VERSION LOG: fetches that source package
# into DIR and unpacks it into DIR/source, writing what apt and dpkg-source say
# to LOG; on a failure prints the end of LOG and returns non-zero.
unpack_debian_source() {
    local dir=$1 package=$2 version=$3 log=$4
    (
        fetch_debian_source "$dir" "$package" "$version" &&
            cd "$dir" &&
            dpkg-source --no-check -x "${package}_"*.dsc source
    ) >>"$log" 2>&1 || {
        tail -n 20 "$log" >&2
        return 1
    }
}

# lock_build_folder DIR WHAT: one build at a time in each cache folder DIR; a
# second caller says it waits for WHAT and waits (on file descriptor 9, held
# until the script ends), and then finds the build done.
lock_build_folder() {
    mkdir -p "$1"
    exec 9>"$1/.lock"
    if ! flock -n 9; then
        echo "waiting for another build of $2 to end" >&2
        flock 9
    fi
}

# build_qt_from_source FOLDER WHAT: builds Debian's qt6-base $qt_version into
# $prefix, a folder under the cache folder FOLDER, with $toolchain and
# "${configure_options[@]}", in the work folder $prefix.work, which it leaves
# for the caller to check and remove (the source in source/, the log in
# build.log). Ends the script with $prefix printed where another caller built
# it meanwhile. A function prepare_qt_build, where the caller defines one, is
# called with the work folder before the build is configured.
build_qt_from_source() {
    local folder=$1 what=$2
    lock_build_folder "$folder" "$what"
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        exit 0
    fi
    # Whatever an interrupted or failed build left, of this Qt or another.
    rm -rf "$folder"/*.work "$prefix"
    work=$prefix.work
    mkdir -p "$work"
    log=$work/build.log
    echo "building $what ($qt_version) into $prefix; log in $log" >&2
    unpack_debian_source "$work" qt6-base "$qt_version" "$log" ||
        fail "could not fetch and unpack the source of qt6-base $qt_version (see $log)"
    # rcc and the MIME database's compression write times into the libraries;
    # they take the date of Debian's source, not the caller's
    # SOURCE_DATE_EPOCH (the cache outlives commits) nor the time of the
    # build. The work folder's path stays out of them too, so that they do not
    # depend on where the cache is.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/source/debian/changelog" -STimestamp)
    export SOURCE_DATE_EPOCH
    local prefix_map="-ffile-prefix-map=$work/source=qtbase -ffile-prefix-map=$work/build=qtbase-build"
    if declare -F prepare_qt_build >/dev/null; then
        prepare_qt_build "$work"
    fi
    {
        cmake -S "$work/source" -B "$work/build" "${configure_options[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_INSTALL_PREFIX="$prefix" \
            -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map" &&
            cmake --build "$work/build" &&
            cmake --install "$work/build"
    } >>"$log" 2>&1 || {
        tail -n 40 "$log" >&2
        fail "the build of $what failed (see $log)"
    }
}

# finish_qt_build FILE...: checks that the build in $work installed each FILE
# under $prefix, and keeps beside them Qt's licences, the source package they
# were built from (for a release to hand out) and the build's log; then
# removes $work.
finish_qt_build() {
    local wanted
    for wanted in "$@"; do
        [ -e "$prefix/$wanted" ] || fail "$prefix lacks $wanted (see $log)"
    done
    mkdir -p "$prefix/share/licenses"
    cp "$work"/source/LICENSES/*.txt "$prefix/share/licenses/"
    keep_source_package "$work"
    cp "$log" "$prefix/build.log"
    rm -rf "$work"
}

# keep_source_package DIR: keeps the source package fetched into DIR, the one
# $prefix is built from, in $prefix/source-package, for a release to hand out.
keep_source_package() {
    mkdir -p "$prefix/source-package"
    find "$1" -maxdepth 1 -type f -name 'qt6-base_*' -exec cp {} "$prefix/source-package/" \;
}
