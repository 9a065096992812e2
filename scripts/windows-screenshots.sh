#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/windows-screenshots.sh [BUILD-DIR [LOG-PIXELS]]
# Remakes docs/windows-*.png: starts the portable folder that `./dev windows`
# made in BUILD-DIR (default build-windows) under wine, in a virtual desktop
# on a private Xvfb (so that wine draws the Windows frames), drives it with
# xdotool and saves each window: in the style Qt picks on Windows 10 (what
# wine reports itself as), then in the Windows 11 style, light and dark.
# With LOG-PIXELS (96 is 100 %) the pictures go to a folder of their own
# instead, named on the last line. Needs xvfb, xdotool, imagemagick and
# fonts-wine; run it where ./dev windows ran (in the Debian 13 root:
#     scripts/in-debian.sh --here trixie scripts/windows-screenshots.sh).
set -euo pipefail
export LC_ALL=C.UTF-8
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath "${1:-$top/build-windows}")
package=$(sed -n 's/^QUORVEL_WINDOWS_PACKAGE:INTERNAL=//p' "$build/CMakeCache.txt")
program=$build/windows-packages/$package/quorvel.exe
probe=$build/windowprobe.exe
log_pixels=${2:-}
docs=$top/docs
[ -n "$log_pixels" ] && docs=$build/screenshots-$log_pixels-dpi && mkdir -p "$docs"
[ -f "$program" ] || {
    echo "$program is missing: run ./dev windows first" >&2
    exit 1
}

# A screen as roomy at every scale as 1024 x 768 pixels are at 100 %.
scale=${log_pixels:-96}
screen=$((1024 * scale / 96))x$((768 * scale / 96))

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_QPA_PLATFORM
# shellcheck source=../tests/support/xvfb.sh
source "$top/tests/support/xvfb.sh"
start_xvfb "$work" "$screen"
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true; rm -rf "$work"' EXIT

# Every program of the prefix in one virtual desktop the size of the screen,
# with the Marlett font that wine ships for the frames' buttons but leaves
# out of its prefixes.
wine wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Marlett (TrueType)' /d marlett.ttf /f \
    >/dev/null 2>&1
# Wine's own Tahoma, the title bars' font, lacks Greek, which Windows' Segoe
# UI has: Liberation Sans at Segoe UI's 9 points takes its place, as a
# LOGFONTW (height -12, weight 400, the default character set).
face=$(printf '%s' 'Liberation Sans' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
caption_font=f4ffffff000000000000000000000000900100000000000100000000$face
caption_font=$caption_font$(printf '%0*d' $((184 - ${#caption_font})) 0)
wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v CaptionFont /t REG_BINARY /d "$caption_font" /f \
    >/dev/null 2>&1
# Windows 11's own accent colour (#0078d4, kept as 0xAABBGGRR), which the
# Windows 11 style fills checked boxes with; wine has none.
wine reg add 'HKCU\Software\Microsoft\Windows\DWM' /v AccentColor /t REG_DWORD /d 0xffd47800 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null 2>&1
[ -n "$log_pixels" ] &&
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$log_pixels" /f >/dev/null 2>&1
wineserver -w

# frame TITLE: the window's left, top, width and height on the screen, once
# it shows, in pixels: the probe, unaware of the display's scale, is told
# them at 100 %.
frame() {
    local line left top width height
    for _ in $(seq 100); do
        line=$(wine "$probe" --list 2>/dev/null | tr -d '\r' | grep -m1 "^$1	" || true)
        [ -n "$line" ] && break
        sleep 0.3
    done
    [ -n "$line" ] || {
        echo "no window \"$1\" showed" >&2
        exit 1
    }
    read -r left top width height <<<"${line#*	}"
    echo $((left * scale / 96)) $((top * scale / 96)) $((width * scale / 96)) $((height * scale / 96))
}
# shot TITLE FILE: saves the window with its frame.
shot() {
    local left top width height
    read -r left top width height <<<"$(frame "$1")"
    sleep 1
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$docs/$2"
    echo "saved $docs/$2"
}
# click X Y: a left click at a point of the main window's client area, which
# is 298 x 225 pixels at 100 %; the frame is as wide at the bottom as at the
# sides.
click() {
    local left top width height border
    read -r left top width height <<<"$(frame Quorvel)"
    border=$(((width - 298 * scale / 96) / 2))
    xdotool mousemove $((left + border + $1 * scale / 96)) $((top + height - border - (225 - $2) * scale / 96)) click 1
    sleep 0.3
}

# pictures NAME [ARGUMENT...]: the three windows, as docs/NAME-*.png, of the
# program started with those arguments.
pictures() {
    local name=$1
    shift
    wine "$program" "$@" &
    local started=$!
    frame Quorvel >/dev/null
    sleep 1
    # Section "ΠΕ", then 12345 hours typed.
    click 30 40
    click 50 105
    xdotool type --delay 80 12345
    shot Quorvel "$name-main-window.png"
    # The information icon opens the formula window, the about icon the
    # about window.
    click 19 203
    shot "Τύπος υπολογισμού" "$name-formula-window.png"
    click 51 203
    shot "Πληροφορίες" "$name-about-window.png"
    wine taskkill /f /im quorvel.exe >/dev/null 2>&1 || true
    wait "$started" || true
}

# Windows' colour scheme for programs: 1 light, 0 dark.
apps_use_light_theme() {
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

apps_use_light_theme 1
pictures windows
pictures windows11 -style windows11
apps_use_light_theme 0
pictures windows11-dark -style windows11 -platform windows:darkmode=2
