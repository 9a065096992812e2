#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: check-deb.sh CPACK BUILD-DIR SCRATCH-DIR VERSION APP-ID
# Makes the .deb of BUILD-DIR with cpack in SCRATCH-DIR, checks its fields and
# files with dpkg-deb, unpacks it there and starts the unpacked program: on the
# offscreen platform it must keep running, and where Xvfb and xdotool are
# present it must show its main window on a private X server.
set -euo pipefail
cpack=$1 build=$2 scratch=$3 version=$4 id=$5

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$scratch/quorvel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: cpack made no $deb" >&2; exit 1; }

# The control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ "$(field Recommends)" = xdg-utils ] || fail "Recommends is '$(field Recommends)', not xdg-utils"
[[ "$(field Maintainer)" == *"<"*"@quorvel.example.org>" ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# Debian 13 renamed the packages of libraries whose interface has a time_t in
# it (libqt6core6t64 for libqt6core6); dpkg-shlibdeps writes the name of the
# release it runs on.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $depends," == *", $library ("* || ", $depends," == *", ${library}t64 ("* ]] ||
        fail "Depends lacks $library: $depends"
done
[[ ", $depends," == *", fonts-liberation2,"* ]] || fail "Depends lacks fonts-liberation2, the windows' font: $depends"

# The files: exactly these, owned by root, none writable by others.
expected=$(
    cat <<FILES | sort
./usr/bin/quorvel
./usr/share/applications/$id.desktop
./usr/share/doc/quorvel/changelog.gz
./usr/share/doc/quorvel/copyright
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/24x24/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/64x64/apps/$id.png
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/quorvel.1.gz
./usr/share/metainfo/$id.metainfo.xml
FILES
)
listing=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
[ "$files" = "$expected" ] || fail "the files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$files") || true)"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $0; bad = 1 } END { exit bad }' <<<"$listing" >&2 ||
    failures=$((failures + 1))
grep -E '^-rwxr-xr-x .* \./usr/bin/quorvel$' <<<"$listing" >/dev/null || fail "the program is not mode 755"
awk '$1 ~ /^-/ && $6 != "./usr/bin/quorvel" && $1 != "-rw-r--r--" { print "FAIL: mode " $1 " of " $6; bad = 1 }
     END { exit bad }' <<<"$listing" >&2 || failures=$((failures + 1))

# The unpacked program: stripped, looking for libraries only where the system
# keeps them, and it starts.
root=$scratch/root
dpkg-deb --extract "$deb" "$root"
program=$root/usr/bin/quorvel
if readelf --section-headers "$program" | grep -E '\.symtab|\.debug_' >/dev/null; then
    fail "the program is not stripped"
fi
if readelf --dynamic "$program" | grep -E 'RPATH|RUNPATH' >/dev/null; then
    fail "the program has a library search path: $(readelf --dynamic "$program" | grep -E 'RPATH|RUNPATH')"
fi
# The desktop entry, the AppStream file and the icons, as installed, fit together.
if command -v appstreamcli >/dev/null; then
    report=$(appstreamcli validate-tree --no-net --pedantic "$root" 2>&1) || true
    if grep -E '^[IPWE]: ' <<<"$report" >/dev/null; then
        fail "the installed files do not fit together: $report"
    fi
fi

QT_QPA_PLATFORM=offscreen "$program" >"$scratch/offscreen.log" 2>&1 &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    wait "$pid" && status=0 || status=$?
    fail "the unpacked program ended on the offscreen platform within 2 s, status $status: $(cat "$scratch/offscreen.log")"
fi

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    # shellcheck source=../support/xvfb.sh
    source "$(dirname "$0")/../support/xvfb.sh"
    trap 'kill ${XVFB_PID:-} 2>/dev/null || true' EXIT
    start_xvfb "$scratch" 800x600 || { echo "FAIL: no X server to start the program on" >&2; exit 1; }
    display=${DISPLAY#:}
    unset QT_QPA_PLATFORM
    "$program" >"$scratch/x11.log" 2>&1 &
    pid=$!
    shown=
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1; then
            shown=yes
            break
        fi
        sleep 0.2
    done
    if [ -n "$shown" ]; then
        echo "the unpacked program showed its main window on X display :$display"
        # Docks and task switchers know the window by its class as the
        # installed entry names it.
        if command -v xprop >/dev/null; then
            window=$(xdotool search --onlyvisible --name '^Quorvel$' | head -n 1)
            class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
            entry=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
            [ -n "$class" ] && [ "$class" = "$entry" ] ||
                fail "the window's class '$class' is not the entry's StartupWMClass '$entry'"
        fi
    else
        fail "the unpacked program showed no window named Quorvel on X: $(cat "$scratch/x11.log")"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $deb failed" >&2
    exit 1
fi
echo "$deb: fields, files and start-up as expected"
