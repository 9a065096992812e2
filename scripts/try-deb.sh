#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/try-deb.sh SUITE DEB
# Installs DEB with apt-get in a clean Debian root of SUITE (bookworm or
# trixie), as a user of that release would, and starts the installed program
# on a private Xvfb there: it must show its main window. The root is made
# afresh for this (scripts/in-debian.sh, in a scratch cache folder) and
# removed afterwards, so nothing that a build installed can stand in for a
# missing dependency.
set -euo pipefail
[ $# -eq 2 ] || { sed -n '5,11p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
suite=$1
deb=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-try-deb.XXXXXX")
# in-debian.sh leaves nothing mounted in its roots, so removing one is safe.
trap 'rm -rf "$scratch"' EXIT
export QUORVEL_CACHE_DIR=$scratch
"$here/in-debian.sh" "$suite" true
cp "$deb" "$("$here/in-debian.sh" --path "$suite")/root/"

# shellcheck disable=SC2016 # expanded inside the root
"$here/in-debian.sh" "$suite" bash -euo pipefail -c '
deb=/root/$1
apt-get update -q >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" xvfb xauth xdotool x11-utils \
    >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; echo "FAIL: $1 does not install on Debian $(cat /etc/debian_version)"; exit 1; }
echo "$1 installed on Debian $(cat /etc/debian_version), with: $(dpkg-query -W -f="\${Depends}" quorvel)"
source tests/support/xvfb.sh
mkdir /tmp/x
start_xvfb /tmp/x 800x600
quorvel >/tmp/x/quorvel.log 2>&1 &
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Quorvel$" 2>/dev/null | head -n 1) || true
    if [ -n "$window" ]; then
        size=$(xwininfo -id "$window" | awk "/Width:/ { w = \$2 } /Height:/ { h = \$2 } END { print w \" × \" h }")
        echo "the installed /usr/bin/quorvel shows its main window, $size pixels"
        exit 0
    fi
    sleep 0.2
done
echo "FAIL: the installed program showed no window named Quorvel: $(cat /tmp/x/quorvel.log)"
exit 1
' try-deb "$(basename "$deb")"
