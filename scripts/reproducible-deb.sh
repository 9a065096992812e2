#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/reproducible-deb.sh
# Checks that the committed HEAD makes the same .deb twice: clones it into two
# scratch folders (other paths, other file times), runs ./dev package in each
# and compares the two files byte for byte.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/reproducible-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

for copy in first second; do
    git clone -q --no-hardlinks "$top" "$scratch/$copy"
    (cd "$scratch/$copy" && ./dev package >/dev/null)
done
first=$(echo "$scratch"/first/build-package/*.deb)
second=$(echo "$scratch"/second/build-package/*.deb)
cmp "$first" "$second"
echo "both builds made the same $(basename "$first"): $(sha256sum <"$first" | cut -d' ' -f1)"
