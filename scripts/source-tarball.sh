#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/source-tarball.sh OUTPUT-DIR [COMMIT]
# scripts/source-tarball.sh --worktree OUTPUT-DIR
#
# Makes OUTPUT-DIR/quorvel-VERSION.tar.xz, the source of COMMIT (default
# HEAD) in the folder quorvel-VERSION/, and prints its path. With
# --worktree, of the files git tracks as they stand in the working tree
# (files git does not track are left out, as a commit would leave them).
# The same commit gives the same file: git archive dates every member by the
# commit, and xz compresses in one thread.
set -euo pipefail

worktree=false
if [ "${1:-}" = --worktree ]; then
    worktree=true
    shift
fi
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    sed -n '5,6p' "$0" | sed 's/^# //' >&2
    exit 2
fi
output=$1
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if $worktree; then
    # A commit of the working tree that no branch points to; HEAD when the
    # tree is clean.
    commit=$(git -C "$top" stash create)
    commit=${commit:-$(git -C "$top" rev-parse HEAD)}
else
    commit=$(git -C "$top" rev-parse --verify "${2:-HEAD}^{commit}")
fi
version=$(git -C "$top" show "$commit:CMakeLists.txt" |
    sed -n '/^project(/,/)/s/^[[:space:]]*VERSION[[:space:]]\{1,\}\([^[:space:])]*\).*/\1/p')
[ -n "$version" ] || {
    echo "source-tarball.sh: no version in the project() line of $commit" >&2
    exit 1
}
mkdir -p "$output"
tarball=$(cd "$output" && pwd)/quorvel-$version.tar.xz
git -C "$top" archive --format=tar --prefix="quorvel-$version/" "$commit" | xz -9 -T1 -c >"$tarball.part"
mv "$tarball.part" "$tarball"
echo "$tarball"
