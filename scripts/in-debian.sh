#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# scripts/in-debian.sh SUITE COMMAND [ARGS...]
#     Runs COMMAND as root in a clean clone of this repository inside a Debian
#     root of SUITE (bookworm or trixie), and exits with COMMAND's status:
#         scripts/in-debian.sh trixie ./dev test
#     The clone is of this repository's HEAD commit, or of $QUORVEL_COMMIT
#     when set, at /src/quorvel inside the root, made afresh each time.
# scripts/in-debian.sh --here SUITE COMMAND [ARGS...]
#     Runs COMMAND in this checkout itself, as it stands, at the same path
#     inside the root: what it builds lands here, as if run on this machine
#         scripts/in-debian.sh --here trixie ./dev web
# scripts/in-debian.sh --path SUITE
#     Prints where that root is on this machine, so that what COMMAND made is
#     at "$(scripts/in-debian.sh --path trixie)/src/quorvel/...".
#
# The root is made once with mmdebstrap (apt and git, nothing more: ./dev
# installs the build packages itself) and kept in
#     ${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}/debian-SUITE-root
# with whatever COMMAND installed there; it is never updated otherwise. Remove
# the folder to start again from Debian's archive. Making it takes a minute or
# two; ./dev's packages are 280 MB more to download the first time, and the
# root is then 1.6 GB.
#
# COMMAND sees /proc, a /dev of its own (with /dev/pts and /dev/shm), a tmpfs
# /tmp and the machine's network, in mount and process namespaces of its own:
# when it ends, however it ends, every process it left is killed and every
# mount is gone, and none of them is ever seen outside. Its environment is a
# clean one (PATH, HOME, TERM, LANG and CI only); give it more with
# "env NAME=VALUE COMMAND". Runs of the same root wait for each other.
set -euo pipefail
# Read whole before any of it runs: a checkout that changes this file while a
# run goes on (a long one: a build and every test) leaves that run as it was.
{

usage() {
    sed -n '5,17p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

print_path=false
here_mode=false
case "${1:-}" in
--path)
    print_path=true
    shift
    ;;
--here)
    here_mode=true
    shift
    ;;
esac
suite=${1:-}
case "$suite" in
bookworm | trixie) ;;
*) usage ;;
esac
shift
cache=${QUORVEL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
root=$cache/debian-$suite-root
if $print_path; then
    [ $# -eq 0 ] || usage
    echo "$root"
    exit 0
fi
[ $# -gt 0 ] || usage

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify "${QUORVEL_COMMIT:-HEAD}^{commit}")

# Making a root, mounting and chroot need root; sudo keeps the caller's cache
# folder and commit, which root's own HOME would not give.
if [ "$(id -u)" -ne 0 ]; then
    mode=()
    $here_mode && mode=(--here)
    exec sudo env QUORVEL_CACHE_DIR="$cache" QUORVEL_COMMIT="$commit" CI="${CI:-}" TERM="${TERM:-dumb}" \
        "$here/in-debian.sh" "${mode[@]}" "$suite" "$@"
fi

mkdir -p "$cache"
exec 9>"$root.lock"
if ! flock -n 9; then
    echo "Waiting for another run in $root to end" >&2
    flock 9
fi

# mounted_under DIR: whether anything on this machine is mounted at or below
# DIR, which no rm -rf may then go into.
mounted_under() {
    awk -v dir="$1" '$2 == dir || index($2, dir "/") == 1 { found = 1 } END { exit !found }' /proc/self/mounts
}

if [ ! -d "$root" ]; then
    # Made beside and renamed when complete, so that a root that is there is
    # whole, whatever stopped an earlier attempt.
    partial=$root.partial
    if mounted_under "$partial"; then
        echo "Something is still mounted in $partial; unmount it and run again." >&2
        exit 1
    fi
    rm -rf "$partial"
    echo "Making a Debian $suite root in $root with mmdebstrap"
    command -v mmdebstrap >/dev/null || {
        echo "Installing mmdebstrap"
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap
    }
    # In a mount namespace of its own, so that nothing it mounts stays behind
    # if it is stopped. The stable suites get their updates and security
    # archives; downloaded packages are not kept in the root.
    # shellcheck disable=SC2016 # the hook's $1 is mmdebstrap's
    unshare --mount --propagation private -- \
        mmdebstrap --mode=root --variant=apt --include=git --components=main \
        --aptopt='Acquire::Languages "none"' \
        --customize-hook='echo "APT::Keep-Downloaded-Packages \"false\";" >"$1/etc/apt/apt.conf.d/99keep-no-debs"' \
        "$suite" "$partial"
    mv "$partial" "$root"
fi

if mounted_under "$root"; then
    echo "Something is still mounted in $root; unmount it and run again." >&2
    exit 1
fi
if $here_mode; then
    # The checkout, and the repository it belongs to where that lies outside
    # it (a worktree's), at their own paths.
    workdir=$repo
    common=$(cd "$repo" && cd "$(git rev-parse --git-common-dir)" && pwd)
    binds=("$repo")
    case "$common/" in
    "$repo"/*) ;;
    *) binds+=("$common") ;;
    esac
else
    # A fresh clone of the commit.
    workdir=/src/quorvel
    binds=()
    rm -rf "$root/src/quorvel"
    mkdir -p "$root/src"
    git -c safe.directory='*' clone --quiet --no-checkout "$repo" "$root/src/quorvel"
    git -C "$root/src/quorvel" -c advice.detachedHead=false checkout --quiet --detach "$commit"
fi
# The machine's name servers, for apt.
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# Inside new namespaces: the mounts go with the last process of the mount
# namespace, and the command is the process namespace's init's only child,
# whose end kills whatever it left running. The trap unmounts as soon as the
# command ends, before those processes are gone.
# shellcheck disable=SC2016 # expanded by the inner shell
status=0
TERM=${TERM:-dumb} CI=${CI:-} unshare --mount --pid --fork --kill-child --propagation private -- bash -euo pipefail -c '
root=$1
workdir=$2
binds=$3
shift 3
trap "umount -R -l \"\$root/proc\" \"\$root/dev\" \"\$root/tmp\" 2>/dev/null || true" EXIT
mount -t proc -o nosuid,nodev,noexec proc "$root/proc"
mount -t tmpfs -o mode=755,nosuid,size=64k dev "$root/dev"
for node in null zero full random urandom tty; do
    touch "$root/dev/$node"
    mount --bind "/dev/$node" "$root/dev/$node"
done
mkdir "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5,nosuid,noexec devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"
ln -s /proc/self/fd/1 "$root/dev/stdout"
ln -s /proc/self/fd/2 "$root/dev/stderr"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$root/tmp"
# After /tmp, so that a checkout under /tmp is not hidden beneath that tmpfs.
while IFS= read -r bind; do
    [ -n "$bind" ] || continue
    mkdir -p "$root$bind"
    mount --bind "$bind" "$root$bind"
done <<<"$binds"
status=0
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM="$TERM" LANG=C.UTF-8 CI="$CI" \
    GIT_CONFIG_COUNT=1 GIT_CONFIG_KEY_0=safe.directory GIT_CONFIG_VALUE_0="*" \
    /bin/sh -c "cd \"\$0\" && exec \"\$@\"" "$workdir" "$@" || status=$?
exit "$status"
' in-debian "$root" "$workdir" "$(printf '%s\n' "${binds[@]}")" "$@" || status=$?

# What COMMAND made in a checkout of someone else's is theirs, not root's.
if $here_mode; then
    owner=$(stat -c %u:%g "$repo")
    [ "$owner" = 0:0 ] || find "$repo" -xdev -uid 0 -exec chown -h "$owner" {} +
fi
exit "$status"
}
