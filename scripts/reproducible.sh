#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/reproducible.sh [release|package]
# Checks that the committed HEAD makes the same files twice: clones it into
# two scratch folders (other paths, other file times), runs ./dev release
# (the default; all of dist/) or ./dev package (the .deb alone) in each, and
# compares what they made byte for byte.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-release}
case "$what" in
release) made=dist ;;
package) made=build-package ;;
*)
    sed -n '5p' "$0" | sed 's/^# //' >&2
    exit 2
    ;;
esac
commit=$(git -C "$top" rev-parse HEAD)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/reproducible.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

for copy in first second; do
    git clone -q --no-hardlinks "$top" "$scratch/$copy"
    git -C "$scratch/$copy" -c advice.detachedHead=false checkout -q --detach "$commit"
    (cd "$scratch/$copy" && ./dev "$what" >"$scratch/$copy.log" 2>&1) || {
        tail -n 40 "$scratch/$copy.log" >&2
        echo "./dev $what failed in the $copy clone" >&2
        exit 1
    }
done
list() { (cd "$1" && find . -maxdepth 1 -type f \( -name '*.deb' -o "$2" \) -printf '%f\n' | LC_ALL=C sort); }
if [ "$what" = release ]; then
    files=$(list "$scratch/first/dist" -true)
    [ "$files" = "$(list "$scratch/second/dist" -true)" ] || {
        echo "the two dist/ folders hold different files" >&2
        exit 1
    }
else
    files=$(list "$scratch/first/build-package" -false)
fi
while IFS= read -r file; do
    cmp "$scratch/first/$made/$file" "$scratch/second/$made/$file"
    echo "both made the same $file ($(stat -c %s "$scratch/first/$made/$file") bytes): $(sha256sum <"$scratch/first/$made/$file" | cut -d' ' -f1)"
done <<<"$files"
