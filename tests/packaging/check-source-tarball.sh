#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# check-source-tarball.sh TARBALL WORK-DIR
# check-source-tarball.sh --worktree SOURCE-DIR WORK-DIR
#
# Unpacks the source tarball (or, with --worktree, one made of the files git
# tracks in SOURCE-DIR, by scripts/source-tarball.sh as a release makes it)
# into WORK-DIR, where no git repository is found, then configures, builds
# every target and runs the tests there. A file that the build or a test
# needs but git does not hold, or a step that asks git, fails here.
#
# Every test runs there but two, which read nothing of the source that the
# others do not: the stress run (a minute of random events on the same
# window) and lintian on the .deb that deb_package made and checked.
set -euo pipefail

if [ "${1:-}" = --worktree ]; then
    [ $# -eq 3 ] || exit 2
    tarball=$("$2/scripts/source-tarball.sh" --worktree "$3/tarball")
    work=$3
else
    [ $# -eq 2 ] || {
        sed -n '5,6p' "$0" | sed 's/^# //' >&2
        exit 2
    }
    tarball=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    work=$2
fi
name=$(basename "$tarball" .tar.xz)

rm -rf "$work/unpacked"
mkdir -p "$work/unpacked"
work=$(cd "$work" && pwd)
tar -xf "$tarball" -C "$work/unpacked"
[ "$(ls "$work/unpacked")" = "$name" ] || {
    echo "FAILED: $(basename "$tarball") does not hold the one folder $name"
    exit 1
}
source=$work/unpacked/$name
[ ! -e "$source/.git" ] || {
    echo "FAILED: $(basename "$tarball") holds a .git"
    exit 1
}
# git looks no higher than the unpacked folder, so that the repository the
# tarball came from, around it, is not found.
export GIT_CEILING_DIRECTORIES=$work/unpacked
unset GIT_DIR GIT_WORK_TREE
cd "$source"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)" \
    -E '^(tst_stress|deb_lintian)$'
echo "ok: $name builds and passes its tests on its own"
