#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# check-windows-installer.sh INSTALLER WINDOWPROBE VERSION TWIPS-WIDE TWIPS-HIGH
#
# The installer's round trip under wine, in a fresh wine prefix: on a Windows
# older than Qt runs on the installer refuses and installs nothing; a silent
# install puts the program, its Start-menu shortcut and its Apps & features
# entry in place; the program started from the shortcut's target shows its
# main window at its designed client size at 96 DPI; the silent uninstall
# takes all three away again. Only the installed files are on the program's
# path, so a DLL missing from the installer fails here.
set -euo pipefail

[ $# -eq 5 ] || {
    echo "usage: $0 INSTALLER WINDOWPROBE VERSION TWIPS-WIDE TWIPS-HIGH" >&2
    exit 2
}
installer=$1
probe=$2
version=$3
# 15 twips a pixel at 96 DPI.
expected_client="$(($4 / 15)) x $(($5 / 15))"

# Wine's windows need an X display; without one, a private Xvfb.
if [ -z "${DISPLAY:-}" ] && [ -z "${QUORVEL_UNDER_XVFB:-}" ]; then
    exec env QUORVEL_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH
# The installed program must pick its platform itself, as it does on Windows.
for name in $(compgen -e); do
    case $name in QT_* | WINEQT_*) unset "$name" ;; esac
done
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}
wine_wait() {
    wine "$@"
    wineserver -w
}
registry_value() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel' /v "$1" 2>/dev/null |
        tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

wineboot_log=$work/wineboot.log
wine wineboot --init >"$wineboot_log" 2>&1 || {
    cat "$wineboot_log"
    exit 1
}
wineserver -w

program_dir="$WINEPREFIX/drive_c/Program Files/Quorvel"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel.lnk"

echo "Installing $(basename "$installer") silently on Windows 8.1, which Qt no longer runs on"
wine reg add 'HKCU\Software\Wine' /v Version /d win81 /f >/dev/null 2>&1
wineserver -w
status=0
wine "$installer" /S || status=$?
wineserver -w
check "the installer refuses it" test "$status" -ne 0
check "nothing is installed" test ! -e "$program_dir"
wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1
wineserver -w

echo "Installing $(basename "$installer") silently"
wine_wait "$installer" /S
check "the program is installed" test -f "$program_dir/quorvel.exe"
check "the windows platform plugin is installed" test -f "$program_dir/plugins/platforms/qwindows.dll"
check "the uninstaller is installed" test -f "$program_dir/uninstall.exe"
check "its README.txt names the Windows it runs on" grep -q 'Windows 10, έκδοση 1809' "$program_dir/README.txt"
check "the Start-menu shortcut exists" test -f "$shortcut"
check "Apps & features names it" test "$(registry_value DisplayName)" = Quorvel
check "Apps & features has version $version" test "$(registry_value DisplayVersion)" = "$version"
check "Apps & features names the makers" test -n "$(registry_value Publisher)"
check "Apps & features has the uninstaller" test "$(registry_value UninstallString)" = '"C:\Program Files\Quorvel\uninstall.exe"'

echo "Starting the shortcut's target"
probe_output=$(wine "$probe" 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvel.lnk' | tr -d '\r') || true
echo "$probe_output"
probe_field() { sed -n "s/^$1: //p" <<<"$probe_output"; }
check "the shortcut points at the installed program" test "$(probe_field target)" = 'C:\Program Files\Quorvel\quorvel.exe'
check "the main window shows at 96 DPI" test "$(probe_field dpi)" = 96
check "its client area is $expected_client pixels" test "$(probe_field client)" = "$expected_client"
check "closing it ends the program normally" test "$(probe_field 'exit code')" = 0

echo "Uninstalling silently"
# The uninstaller copies itself away and runs from there; wineserver -w waits
# for that copy too.
wine_wait "$program_dir/uninstall.exe" /S
check "the program's folder is gone" test ! -e "$program_dir"
check "the shortcut is gone" test ! -e "$shortcut"
check "the Apps & features entry is gone" test -z "$(registry_value DisplayName)"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of the installer failed"
    exit 1
fi
echo "The installer's round trip passed"
