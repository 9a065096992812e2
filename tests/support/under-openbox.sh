#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: under-openbox.sh COMMAND [ARGUMENT...]
# Runs COMMAND on a private Xvfb managed by openbox, a window manager that
# frames windows with a title bar as desktops do, and ends with its status.
# Needs Xvfb, openbox and xprop.
set -euo pipefail

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# shellcheck source=xvfb.sh
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$scratch" 1024x768
pids+=("$XVFB_PID")

# No session to join and no user settings: the system's openbox configuration.
HOME=$scratch openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
# A window manager announces itself on the root window once it manages it.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "openbox did not start: $(cat "$scratch/openbox.log")" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
