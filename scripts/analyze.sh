#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/analyze.sh BUILD-DIR
# Runs clang-tidy (checks in .clang-tidy) and cppcheck over Quorvel's own
# sources (src/, tests/, bench/), as BUILD-DIR's compile_commands.json builds
# them; code that moc and rcc generate is left out. Fails on any finding.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
jobs=$(nproc)

echo "clang-tidy $(clang-tidy --version | sed -n 's/.*version \([0-9.]*\).*/\1/p' | head -n 1)"
tidy_log=$build/clang-tidy.log
if ! run-clang-tidy -p "$build" -quiet -j "$jobs" "^$top/(src|tests|bench)/" >"$tidy_log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$tidy_log" | grep -E '(warning|error):' | sort -u || cat "$tidy_log"
    echo "clang-tidy: findings above (full log: $tidy_log)" >&2
    exit 1
fi
echo "clang-tidy: clean"

echo "$(cppcheck --version)"
mkdir -p "$build/cppcheck"
# --library=qt teaches cppcheck Qt's macros (Q_OBJECT, signals, emit). The
# .moc files that tests include live in the build tree and are not ours.
# constParameterCallback is off: a callback takes the parameters its
# caller's signature gives (Google Benchmark's state is iterated, which
# cppcheck does not see as a change).
cppcheck --project="$build/compile_commands.json" -i"$build" \
    --enable=warning,style,performance,portability --library=qt --inline-suppr \
    --suppress=missingIncludeSystem --suppress=constParameterCallback --suppress="*:$build/*" \
    --cppcheck-build-dir="$build/cppcheck" -j "$jobs" --quiet --error-exitcode=1 \
    --template='{file}:{line}: {severity}: {message} [{id}]'
echo "cppcheck: clean"
