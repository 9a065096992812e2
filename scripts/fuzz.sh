#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/fuzz.sh BUILD-DIR [SECONDS]
# Runs each libFuzzer target of BUILD-DIR (configured with QUORVEL_FUZZ=ON)
# for SECONDS (default 60), starting from the committed seeds in
# tests/fuzz/corpus/TARGET. What the fuzzer learns goes to
# BUILD-DIR/fuzz-corpus/TARGET and is kept for the next run; an input that
# breaks a target is saved as BUILD-DIR/fuzz-crashes/TARGET-crash-* and the
# run fails. Replay one with: BUILD-DIR/tests/fuzz/fuzz_TARGET FILE
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-60}
mkdir -p "$build/fuzz-crashes"

status=0
for target in hourstoservice servicetohours digits; do
    corpus=$build/fuzz-corpus/$target
    log=$build/fuzz-$target.log
    mkdir -p "$corpus"
    echo "fuzz_$target: $seconds s"
    if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-crashes/$target-" "$corpus" "$top/tests/fuzz/corpus/$target" >"$log" 2>&1; then
        sed -n 's/^stat::number_of_executed_units: */    inputs run: /p; s/^#[0-9]*[[:space:]]*DONE[[:space:]]*/    /p' "$log"
    else
        grep -E '^broken:|ERROR|SUMMARY|Test unit written' "$log" | sed 's/^/    /' || tail -n 20 "$log"
        echo "fuzz_$target failed: full log in $log" >&2
        status=1
    fi
done
exit $status
