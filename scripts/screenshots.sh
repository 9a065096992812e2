#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/screenshots.sh BUILD-DIR
# Remakes the screenshots in docs/: starts the program of BUILD-DIR on a
# private Xvfb, drives it with xdotool where a screenshot needs the mouse, and
# saves each window; then the same window in a dark palette (the build's
# tests/screenshots/darkquorvel) and at twice the scale. Needs xvfb, xauth,
# xdotool and imagemagick.
set -euo pipefail
# The window titles are Greek: xdotool matches them as UTF-8.
export LC_ALL=C.UTF-8
build=$(realpath "$1")
program=$build/src/quorvel
dark=$build/tests/screenshots/darkquorvel
docs=$(cd "$(dirname "$0")/../docs" && pwd)

scratch=$(mktemp -d)
# shellcheck source=../tests/support/xvfb.sh
source "$(dirname "$0")/../tests/support/xvfb.sh"
start_xvfb "$scratch" 1024x768
trap 'kill $XVFB_PID 2>/dev/null || true; rm -rf "$scratch"' EXIT

# shot WINDOW-NAME FILE: waits for the window, then saves it.
shot() {
    for _ in $(seq 50); do xdotool search --name "^$1\$" >/dev/null 2>&1 && break; sleep 0.1; done
    # import without a window waits for a click on one.
    xdotool search --name "^$1\$" >/dev/null 2>&1 || { echo "no window \"$1\" showed" >&2; exit 1; }
    sleep 0.5
    import -window "$(xdotool search --name "^$1\$" | head -n 1)" "$docs/$2"
    echo "saved docs/$2"
}

# click X Y [SCALE]: a left click at a point of the main window, in its
# pixels at scale 1.
click() {
    local scale=${3:-1}
    xdotool mousemove --window "$(xdotool search --name '^Quorvel$' | head -n 1)" \
        $(($1 * scale)) $(($2 * scale)) click 1
}

# press X Y, release: the left button held down at a point of the main window,
# then let go.
press() {
    xdotool mousemove --window "$(xdotool search --name '^Quorvel$' | head -n 1)" "$1" "$2" mousedown 1
}
release() {
    xdotool mouseup 1
}

# calculate [SCALE]: section "ΠΕ", then 12345 hours typed.
calculate() {
    click 30 40 "$@"
    click 50 105 "$@"
    xdotool type --delay 50 12345
}

# stop PID: ends a program started here.
stop() {
    kill "$1"
    wait "$1" 2>/dev/null || true
}

"$program" &
app=$!
shot Quorvel main-window.png
calculate
shot Quorvel main-window-calculated.png
# The slider's track held right of its centre: the marker stands at the mouse
# and the hours rise while the button is down.
press 240 106
shot Quorvel slider-held.png
release
# The word "μέρες" held and dragged two days to the right.
press 252 164
xdotool mousemove_relative 8 0
shot Quorvel adjuster-dragging.png
release
# Away from the screen's top, so that the formula window, taller than the main
# window and sharing its mid-line, is whole on the screen.
xdotool windowmove "$(xdotool search --name '^Quorvel$' | head -n 1)" 40 120
sleep 0.5
# The information icon (8, 192, 23 × 23 pixels) opens the formula window.
click 19 203
shot "Τύπος υπολογισμού" formula-window.png
# The about icon (40, 192, 23 × 23 pixels) opens the about window.
click 51 203
shot "Πληροφορίες" about-window.png
stop $app

"$dark" &
app=$!
shot Quorvel main-window-dark.png
calculate
shot Quorvel main-window-dark-calculated.png
xdotool windowmove "$(xdotool search --name '^Quorvel$' | head -n 1)" 40 120
sleep 0.5
click 19 203
shot "Τύπος υπολογισμού" formula-window-dark.png
click 51 203
shot "Πληροφορίες" about-window-dark.png
stop $app

QT_SCALE_FACTOR=2 "$program" &
app=$!
shot Quorvel main-window-2x.png
calculate 2
shot Quorvel main-window-2x-calculated.png
stop $app
