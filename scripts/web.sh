#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/web.sh BUILD-DIR [test|bench [RUNS]|screenshots]
#
# The browser build (./dev web runs it on Debian 13): Quorvel built with the
# Qt for WebAssembly of scripts/web-qt.sh into BUILD-DIR, whose site/ is the
# static site to serve, with warnings as errors; then
#   test (the default)  every test of the build: the conversions in
#                       WebAssembly against this machine's, and the site in
#                       headless Chromium
#   bench [RUNS]        the site's transfer size and first paint beside the
#                       floor's (scripts/web-bench.py), RUNS loads each
#   screenshots         remakes the pictures of the site in docs/
#                       (scripts/web-screenshots.py)
# Besides, BUILD-DIR/release/ gets what a release hands out with the site:
# quorvel-VERSION-web.zip (the site and its notices), the source packages of
# what the site links statically and how its Qt was built.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?usage: scripts/web.sh BUILD-DIR [test|bench [RUNS]|screenshots]}
action=${2:-test}
cd "$top"

say() { echo "web: $*" >&2; }

qt=$(scripts/web-qt.sh)
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$top/cmake/wasm-qt.cmake" \
    -DQUORVEL_WEB_QT="$qt" >/dev/null
cmake --build "$build"

# What a release hands out beside the site: the source of Qt, as Debian ships
# it, and of emscripten's runtime (the C and C++ libraries and the JavaScript
# compiled into the program), as the emscripten package installs it: emcc
# builds that runtime from these very files.
version=$(sed -n '/^project(/,/)/s/^[[:space:]]*VERSION[[:space:]]\{1,\}\([^[:space:])]*\).*/\1/p' CMakeLists.txt)
release=$(realpath -m "$build")/release
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)
runtime=emscripten-${emscripten_version%%+*}-runtime-source.tar.xz
rm -rf "$release/source"
mkdir -p "$release/source"
emscripten_dir=$(dirname "$(readlink -f "$(command -v emcc)")")
tar -C "$emscripten_dir/.." --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --exclude=__pycache__ -cf - "$(basename "$emscripten_dir")/system" "$(basename "$emscripten_dir")/src" \
    -C /usr/share/doc/emscripten copyright | xz -6 >"$release/source/$runtime"
rm -f "$release"/source/qt6-base_*
cp "$qt"/source-package/qt6-base_* "$release/source/"
scripts/web-qt.sh --describe >"$release/qt6-base-web-build.txt"

name=quorvel-$version-web
stage=$release/$name
rm -rf "$stage" "$release/$name.zip"
cp -r "$build/site" "$stage"
packaging/web/make-notices.sh "$qt" >"$stage/THIRD-PARTY-NOTICES.txt"
cp COPYING "$stage/COPYING.txt"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$release" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -q -X -D "$name.zip" -@)
rm -rf "$stage"
say "the site is in $build/site; a release's zip in $release/$name.zip"

case "$action" in
test)
    ctest --test-dir "$build" --output-on-failure
    ;;
bench)
    python3 scripts/web-bench.py --chromium "$(command -v chromium)" --site "$build/site" \
        --floor "$build/floor-site" --runs "${3:-10}"
    ;;
screenshots)
    python3 scripts/web-screenshots.py --chromium "$(command -v chromium)" --site "$build/site" \
        --table "$build/tests/web/conversion_table_native" --out docs
    ;;
*)
    echo "scripts/web.sh: unknown action $action" >&2
    exit 2
    ;;
esac
