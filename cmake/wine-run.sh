#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# Runs a Windows program built here under wine, as ctest and the Windows
# scripts do:
#   wine-run.sh [--qt QT-DIR] [--prefix WINE-PREFIX] [--log-pixels DPI] PROGRAM [ARGUMENT...]
# The program finds the DLLs of the cross-built Qt and of MinGW's C++
# runtime on its path, and gets the QT_ variables, which wine otherwise keeps
# from Windows programs. The wine prefix (default ~/.cache/quorvel/wine) is
# made on first use, with web and mail links going nowhere. --log-pixels sets
# the prefix's display scale, in dots per inch (96 is 100 %).
set -euo pipefail

qt=
log_pixels=
prefix=${WINEPREFIX:-${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}/wine}
while [ $# -gt 0 ]; do
    case $1 in
    --qt) qt=$2 && shift 2 ;;
    --prefix) prefix=$2 && shift 2 ;;
    --log-pixels) log_pixels=$2 && shift 2 ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || {
    echo "usage: $0 [--qt QT-DIR] [--prefix WINE-PREFIX] [--log-pixels DPI] PROGRAM [ARGUMENT...]" >&2
    exit 2
}
command -v wine >/dev/null || {
    echo "$0: wine is not installed" >&2
    exit 1
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
path=()
[ -n "$qt" ] && path+=("$(windows_path "$qt/bin")")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    file=$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)
    path+=("$(windows_path "$(dirname "$file")")")
done
WINEPATH=$(
    IFS=';'
    echo "${path[*]}"
)
export WINEPATH WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# Without these wine offers to download its .NET and HTML engines.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Each of wine's variables WINEQT_X reaches the program as QT_X. A QtTest
# program would otherwise log to the debugger, where nobody reads it, and
# Qt's offscreen platform on Windows looks for fonts only in its own folder.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Liberation Sans 2, the font the windows are measured with: Debian 12 keeps
# it apart from the older Liberation fonts, Debian 13 in their place.
for fonts in /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation; do
    if [ -f "$fonts/LiberationSans-Regular.ttf" ]; then
        export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(windows_path "$fonts")}
        break
    fi
done
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done

# Two programs starting at once in a new prefix would both make it; one
# stopped half way is made again.
if [ ! -f "$prefix/.quorvel-ready" ]; then
    bitmap_font=/usr/share/wine/fonts/sserife.fon
    [ -f "$bitmap_font" ] || {
        echo "$0: $bitmap_font is missing: install fonts-wine (./dev windows does)" >&2
        exit 1
    }
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.quorvel-ready" ]; then
            wine wineboot --init >/dev/null 2>&1
            # Wine hands web and mail links to the Linux desktop's browser
            # and mail program; here they go to true, so that no test ever
            # starts one.
            for kind in Browsers Mailers; do
                wine reg add 'HKCU\Software\Wine\WineBrowser' /v $kind /d true /f >/dev/null 2>&1
            done
            # Windows has "MS Sans Serif" as a bitmap font in Western
            # Europe's code page; wine ships that font but leaves it out of
            # its prefixes. The font tests want it where Windows has it.
            cp "$bitmap_font" "$prefix/drive_c/windows/Fonts/"
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
                /v 'MS Sans Serif 8,10,12,14,18,24' /d sserife.fon /f >/dev/null 2>&1
            wineserver --wait
            touch "$prefix/.quorvel-ready"
        fi
        wineserver --wait
    ) 9>"$prefix.lock"
fi
# Read when wine's server starts for the prefix, so set while none runs, and
# only when it changes.
if [ -n "$log_pixels" ] && [ "$(cat "$prefix/.quorvel-log-pixels" 2>/dev/null)" != "$log_pixels" ]; then
    wineserver --wait
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$log_pixels" /f >/dev/null 2>&1
    wineserver --wait
    echo "$log_pixels" >"$prefix/.quorvel-log-pixels"
fi
exec wine "$@"
