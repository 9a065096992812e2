# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# Sourced by the test scripts that start an X server of their own.
#
# start_xvfb SCRATCH-DIR WIDTHxHEIGHT: starts a private Xvfb on a free display,
# exports DISPLAY once the server answers, and sets XVFB_PID. Xvfb picks the
# display itself and writes its number to a pipe; servers choosing at the same
# moment (these tests', or anyone else's on the machine) can leave one that no
# client reaches, and then another is started. The server does not start
# afresh when its last client leaves, so the check does not disturb it.
start_xvfb() {
    local scratch=$1 size=$2 display
    for _ in 1 2 3; do
        rm -f "$scratch/display"
        mkfifo "$scratch/display"
        Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$scratch/display" \
            >"$scratch/xvfb.log" 2>&1 &
        XVFB_PID=$!
        if read -r -t 20 display <"$scratch/display"; then
            export DISPLAY=:$display
            if command -v xprop >/dev/null; then
                xprop -root >/dev/null 2>&1 && return 0
            else
                xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            fi
        fi
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    done
    echo "Xvfb did not start, or no client reached it: $(cat "$scratch/xvfb.log")" >&2
    return 1
}
