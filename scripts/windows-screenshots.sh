#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/windows-screenshots.sh [BUILD-DIR]
# Remakes docs/windows-*.png: starts the portable folder that `./dev windows`
# made in BUILD-DIR (default build-windows) under wine, in a virtual desktop
# on a private Xvfb (so that wine draws the Windows frames), drives it with
# xdotool and saves each window. Needs xvfb, xdotool, imagemagick and fonts-wine.
set -euo pipefail
export LC_ALL=C.UTF-8
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$top/build-windows}")
package=$(sed -n 's/^QUORVEL_WINDOWS_PACKAGE:INTERNAL=//p' "$build/CMakeCache.txt")
program=$build/windows-packages/$package/quorvel.exe
probe=$build/windowprobe.exe
docs=$top/docs
[ -f "$program" ] || {
    echo "$program is missing: run ./dev windows first" >&2
    exit 1
}

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_QPA_PLATFORM
# shellcheck source=../tests/support/xvfb.sh
source "$top/tests/support/xvfb.sh"
start_xvfb "$work" 1024x768
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true; rm -rf "$work"' EXIT

# Every program of the prefix in one virtual desktop the size of the screen,
# with the Marlett font that wine ships for the frames' buttons but leaves
# out of its prefixes.
wine wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Marlett (TrueType)' /d marlett.ttf /f \
    >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w

# frame TITLE: the window's left, top, width and height on the screen, once
# it shows.
frame() {
    local line
    for _ in $(seq 100); do
        line=$(wine "$probe" --list 2>/dev/null | tr -d '\r' | grep -m1 "^$1	" || true)
        [ -n "$line" ] && break
        sleep 0.3
    done
    [ -n "$line" ] || {
        echo "no window \"$1\" showed" >&2
        exit 1
    }
    echo "${line#*	}"
}
# shot TITLE FILE: saves the window with its frame.
shot() {
    local left top width height
    read -r left top width height <<<"$(frame "$1")"
    sleep 1
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$docs/$2"
    echo "saved docs/$2"
}
# click X Y: a left click at a point of the main window's client area, which
# is 298 x 225 pixels; the frame is as wide at the bottom as at the sides.
click() {
    local left top width height border
    read -r left top width height <<<"$(frame Quorvel)"
    border=$(((width - 298) / 2))
    xdotool mousemove $((left + border + $1)) $((top + height - border - 225 + $2)) click 1
    sleep 0.3
}

wine "$program" &
frame Quorvel >/dev/null
sleep 1
# Section "ΠΕ", then 12345 hours typed.
click 30 40
click 50 105
xdotool type --delay 80 12345
shot Quorvel windows-main-window.png
# The information icon opens the formula window, the about icon the about
# window.
click 19 203
shot "Τύπος υπολογισμού" windows-formula-window.png
click 51 203
shot "Πληροφορίες" windows-about-window.png
