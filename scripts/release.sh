#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/release.sh [--check]
#
# Makes dist/ for the release of the committed HEAD (./dev release runs it):
#   quorvel-VERSION.tar.xz          the source, git archive of HEAD
#   quorvel_VERSION_amd64.deb       the .deb, for Debian 12 and 13 alike
#   quorvel-VERSION-win64-setup.exe and quorvel-VERSION-win64.zip
#   qt6-base_*.dsc, *.orig.tar.xz, *.debian.tar.xz  the source of the Qt DLLs
#                                   of the Windows packages, as built
#   qt6-base-windows-build.txt      how those DLLs were built from it
#   quorvel-VERSION-web.zip         the site for the browser, with its notices
#   emscripten_*.dsc, ... and the qt6-base source of the site's Qt (the same
#                                   files as the Windows Qt's when both are
#                                   built from one version), as built
#   qt6-base-web-build.txt          how the site's Qt was built from it
#   quorvel-VERSION-release-notes.md  from the top entry of packaging/changelog
#   SHA256SUMS                      over all of them
# It refuses, naming why, when the version disagrees anywhere, when the tree
# holds changes git has not committed, when HEAD carries another version's
# tag, or when a test fails (the whole suite, the source tarball built on its
# own, and the Windows build's under wine). With --check it only
# makes the first checks, which build nothing.
# The same commit gives the same dist/, byte for byte (scripts/reproducible.sh).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
check_only=false
[ "${1:-}" = --check ] && check_only=true

say() { echo "release: $*"; }
refuse() {
    echo "release: REFUSED: $*" >&2
    exit 1
}

# The Debian releases that get a .deb of their own, this machine's (Debian 12)
# first; any other is built inside a root of that release
# (scripts/in-debian.sh). The one made on Debian 12 serves Debian 13 too: the
# t64 packages there provide the names of the libraries it depends on.
debian_suites=(bookworm)
declare -A debian_number=([bookworm]=12 [trixie]=13)

version=$(sed -n '/^project(/,/)/s/^[[:space:]]*VERSION[[:space:]]\{1,\}\([^[:space:])]*\).*/\1/p' CMakeLists.txt)
commit=$(git rev-parse HEAD)
say "Quorvel $version from $commit"

# Every refusal that needs no build, all at once.
problems=()
if ! scripts/check-versions.sh . >"${TMPDIR:-/tmp}/quorvel-versions.$$" 2>&1; then
    grep -v '^ok: ' "${TMPDIR:-/tmp}/quorvel-versions.$$" >&2
    problems+=("the version disagrees (above)")
fi
rm -f "${TMPDIR:-/tmp}/quorvel-versions.$$"
changes=$(git status --porcelain --untracked-files=normal)
if [ -n "$changes" ]; then
    echo "$changes" | head -n 20 >&2
    problems+=("the tree holds changes not committed (above): a release is made of a commit")
fi
tag=v$version
for other in $(git tag --points-at HEAD 'v[0-9]*'); do
    [ "$other" = "$tag" ] || problems+=("HEAD is tagged $other, not $tag")
done
if git rev-parse -q --verify "refs/tags/$tag" >/dev/null &&
    [ "$(git rev-parse "$tag^{commit}")" != "$commit" ]; then
    problems+=("the tag $tag names another commit, $(git rev-parse --short "$tag^{commit}")")
fi
if [ ${#problems[@]} -ne 0 ]; then
    for problem in "${problems[@]}"; do
        echo "release: REFUSED: $problem" >&2
    done
    exit 1
fi
say "the version agrees everywhere, the tree is clean and HEAD carries no other version's tag"
$check_only && exit 0

# Made beside and renamed when whole, so that a refused release leaves no
# dist/ to mistake for one.
dist=$top/dist
rm -rf "$dist" "$dist.part"
trap 'rm -rf "$dist.part"' EXIT
mkdir -p "$dist.part"

say "running every test (./dev test)"
./dev test || refuse "a test failed (above)"
# The very file that is handed out must build and pass the tests on its own,
# away from git: a whole build, so a release's check rather than the suite's.
tarball=$(scripts/source-tarball.sh "$dist.part")
say "building the source tarball on its own and running its tests"
tests/packaging/check-source-tarball.sh "$tarball" build/source-tarball ||
    refuse "the source tarball does not build or pass its tests on its own (above)"

say "making the Debian 12 .deb (./dev package)"
./dev package
debs=()
for suite in "${debian_suites[@]}"; do
    if [ "$suite" = bookworm ]; then
        deb=$(echo build-package/quorvel_"$version"_*.deb)
    elif [ -x scripts/in-debian.sh ]; then
        say "making the Debian ${debian_number[$suite]} .deb in a Debian $suite root (scripts/in-debian.sh)"
        QUORVEL_COMMIT=$commit scripts/in-debian.sh "$suite" ./dev package
        deb=$(echo "$(scripts/in-debian.sh --path "$suite")"/src/quorvel/build-package/quorvel_"$version"_*.deb)
    else
        echo "release: WARNING: no .deb for Debian $suite: scripts/in-debian.sh is missing" >&2
        continue
    fi
    [ -f "$deb" ] || refuse "no .deb of version $version for Debian $suite was made"
    found=$(dpkg-deb -f "$deb" Version)
    [ "$found" = "$version" ] || refuse "the Debian $suite .deb has the version $found, not $version"
    name=$(basename "$deb")
    # One .deb per Debian release: each named by its release.
    if [ ${#debian_suites[@]} -gt 1 ]; then
        name=${name/"_$version"_/"_${version}_debian${debian_number[$suite]}_"}
    fi
    cp "$deb" "$dist.part/$name"
    debs+=("$name|${debian_number[$suite]}")
done

say "making the Windows packages and running their tests (./dev windows)"
./dev windows || refuse "the Windows build or one of its tests failed (above)"
if ! found=$(scripts/check-versions.sh . --windows-exe build-windows/quorvel.exe); then
    grep -v '^ok: ' <<<"$found" >&2
    refuse "the version resource of quorvel.exe disagrees (above)"
fi
windows=quorvel-$version-win64
cp "build-windows/$windows-setup.exe" "build-windows/$windows.zip" "$dist.part/"

# The source of the Qt DLLs, exactly the package their Qt was built from, and
# how it was built: ./dev windows (in a Debian 13 root, beside the site's)
# leaves both in build-windows/release/.
cp build-windows/release/source/qt6-base_* build-windows/release/qt6-base-windows-build.txt "$dist.part/"
qt_files=$(cd build-windows/release/source && find . -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort)
# The site, built on Debian 13 (./dev web goes into a Debian 13 root), which
# leaves in build-web/release/ its zip and the source of what it links.
say "making the site for the browser and running its tests (./dev web)"
./dev web || refuse "the browser build or one of its tests failed (above)"
web=quorvel-$version-web
cp "build-web/release/$web.zip" build-web/release/qt6-base-web-build.txt build-web/release/source/* "$dist.part/"
web_sources=$(cd build-web/release/source && find . -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort)

# The release notes: the changelog's top entry, and what each file is.
notes=$dist.part/quorvel-$version-release-notes.md
entry=$(sed -n '2,/^ -- /p' packaging/changelog | sed '$d')
date=$(date -u -d "$(sed -n '/^ -- /{s/.*>  //p;q}' packaging/changelog)" +%F)
{
    echo "# Quorvel $version"
    echo
    echo "Released $date."
    echo
    sed -e '/^[[:space:]]*$/d' -e 's/^  \* /- /' -e 's/^    /  /' <<<"$entry"
    echo
    echo "## Downloads"
    echo
    echo "| File | What it is |"
    echo "|---|---|"
    echo "| \`quorvel-$version.tar.xz\` | the source: \`cmake -S . -B build && cmake --build build && ctest --test-dir build\` |"
    for deb in "${debs[@]}"; do
        if [ ${#debian_suites[@]} -gt 1 ]; then
            echo "| \`${deb%|*}\` | for Debian ${deb#*|} (64-bit PC): \`sudo apt-get install ./${deb%|*}\` |"
        else
            echo "| \`${deb%|*}\` | for Debian 12 and 13 (64-bit PC): \`sudo apt-get install ./${deb%|*}\` |"
        fi
    done
    echo "| \`$windows-setup.exe\` | the installer for 64-bit Windows 10 (version 1809 or later) and Windows 11, in Greek |"
    echo "| \`$windows.zip\` | the same program for Windows as a portable folder, to unpack anywhere |"
    while IFS= read -r file; do
        echo "| \`$file\` | the source of the Qt DLLs in the Windows packages (Debian's qt6-base) |"
    done <<<"$qt_files"
    echo "| \`qt6-base-windows-build.txt\` | how those Qt DLLs were built from that source |"
    echo "| \`$web.zip\` | Quorvel for the browser: a static site to put on any web server |"
    while IFS= read -r file; do
        grep -qxF "$file" <<<"$qt_files" && continue
        echo "| \`$file\` | the source of what the site links statically |"
    done <<<"$web_sources"
    echo "| \`qt6-base-web-build.txt\` | how the site's Qt was built from Debian's qt6-base |"
    echo "| \`SHA256SUMS\` | the SHA-256 of every file: \`sha256sum -c SHA256SUMS\` |"
    echo
    echo "The Windows packages hold THIRD-PARTY-NOTICES.txt, which names each DLL"
    echo "in them, its licence and where its source is. Quorvel is free software"
    echo "under the GNU General Public License, version 3 or later."
} >"$notes"

sums=$(cd "$dist.part" && find . -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort | xargs sha256sum)
echo "$sums" >"$dist.part/SHA256SUMS"
(cd "$dist.part" && sha256sum --quiet -c SHA256SUMS) || refuse "SHA256SUMS does not check"
mv "$dist.part" "$dist"

say "made $dist:"
(cd "$dist" && find . -maxdepth 1 -type f -printf '  %12s  %f\n' | LC_ALL=C sort -k2)
if git rev-parse -q --verify "refs/tags/$tag" >/dev/null; then
    say "HEAD is tagged $tag"
else
    say "HEAD is not tagged yet; once dist/ is checked: git tag -a $tag -m 'Quorvel $version' $commit"
fi
