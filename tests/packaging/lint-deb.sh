#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: lint-deb.sh DEB SCRATCH-DIR CXX
# Runs Debian's own checks on the .deb that deb_package made: lintian at its
# most demanding, which must report no tag at all, and hardening-check on every
# program in it. CXX is the compiler the program was linked with.
set -euo pipefail
deb=$1 scratch=$2 cxx=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! report=$(lintian --pedantic --info --display-info --fail-on error,warning,info,pedantic "$deb" 2>&1); then
    fail "lintian reports on $(basename "$deb"):
$report"
fi

rm -rf "$scratch"
mkdir -p "$scratch"
dpkg-deb --extract "$deb" "$scratch"

# hardening-check wants every program's parts marked for control flow
# protection, the C start files among them; where they are not (Debian 12's
# glibc), no program linked there can be, so that one check is left out.
options=()
startfile=$("$cxx" -print-file-name=Scrt1.o)
if ! readelf --notes "$startfile" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
    options+=(--nocfprotection)
fi
# Newer hardening-checks look for ARM's branch protection on every
# architecture; it is judged only on the one that has it.
help=$(hardening-check --help 2>&1 || true)
if [ "$(dpkg-deb --field "$deb" Architecture)" != arm64 ] && [[ "$help" == *--nobranchprotection* ]]; then
    options+=(--nobranchprotection)
fi
# Fortification checks a copy only where the size of its destination is
# known. hardening-check fails a program that calls memcpy or its kin and no
# checked function; lintian leaves those out for the false alarms they give
# (its data/binaries/hardened-functions, Debian bug 673112), and so does this.
unchecked_by_lintian=' memcpy memmove memset wmemcpy wmemmove wmemset '

while IFS= read -r -d '' program; do
    readelf --file-header "$program" >/dev/null 2>&1 || continue
    if ! report=$(hardening-check --verbose --nofortify "${options[@]}" "$program" 2>&1); then
        fail "hardening-check:
$report"
    fi
    grep -q '^[[:space:]]*protected: ' <<<"$report" && continue
    while read -r function; do
        [[ "$unchecked_by_lintian" == *" $function "* ]] ||
            fail "${program#"$scratch"} calls $function and no fortified function"
    done < <(sed -n 's/^[[:space:]]*unprotected: //p' <<<"$report")
done < <(find "$scratch" -type f -perm -u+x -print0)

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $deb failed" >&2
    exit 1
fi
echo "$deb: lintian reports nothing; hardening-check ${options[*]} passes"
