#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# compare-conversions.sh NODE WASM-TABLE.js NATIVE-TABLE
# The conversion tables of the WebAssembly build (run under Node.js) and of
# this machine's build must be the same, line for line, and whole.
set -eu
node=$1
wasm=$2
native=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$node" "$wasm" >"$out/wasm.txt"
"$native" >"$out/native.txt"
lines=$(wc -l <"$out/native.txt")
# Every hour of four sections, and every service up to each ceiling.
[ "$lines" -gt 400000 ] || {
    echo "the table has $lines lines, fewer than every hour of every section" >&2
    exit 1
}
if ! cmp -s "$out/native.txt" "$out/wasm.txt"; then
    echo "WebAssembly and native conversions differ:" >&2
    diff "$out/native.txt" "$out/wasm.txt" | head -n 20 >&2
    exit 1
fi
echo "$lines conversions, the same in WebAssembly and natively"
