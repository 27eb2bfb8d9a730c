#!/usr/bin/env bash
# Runs a command line (default ./test.sh) as root on a fresh minimal Debian, in
# a clean clone of the current commit (uncommitted changes stay behind):
#   scripts/on-debian.sh 12|13 [COMMAND...]
# The bootstrapped base and the downloaded packages are kept in
# /var/cache/zentrak (or $ZENTRAK_CACHE), so only the first run of a release
# waits for debootstrap; remove the base's tarball to bootstrap afresh. The
# chroot lives in its own mount and PID namespaces: its mounts and any process
# it leaves running end with it, and its tree is removed on every exit. The
# exit status is the command's.
set -euo pipefail

case ${1:-} in
    12) suite=bookworm ;;
    13) suite=trixie ;;
    *) echo "usage: $0 12|13 [COMMAND...]" >&2; exit 2 ;;
esac
release=$1; shift
[ $# -gt 0 ] || set -- ./test.sh
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap, mount and chroot need root" >&2; exit 1; }

repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
cache=${ZENTRAK_CACHE:-/var/cache/zentrak}
base=$cache/debian-$release-$suite-minbase.tar
debs=$cache/debs-$release
mkdir -p "$cache" "$debs"

if ! command -v debootstrap >/dev/null; then
    echo "Installing debootstrap" >&2
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

tmp=$(mktemp -d "${TMPDIR:-/var/tmp}/zentrak-debian$release.XXXXXX")
root=$tmp/root
child=
cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    # unshare holds back SIGTERM; killing the namespace's first process ends all inside.
    if [ -n "$child" ]; then
        pkill -KILL -P "$child" || true
        wait "$child" 2>/dev/null || true
    fi
    # Packages downloaded this time serve the next run (hard links, no copies).
    cp -nl "$root"/var/cache/apt/archives/*.deb "$debs/" 2>/dev/null || true
    # The mounts live in the namespace, never here; should one show, it must not be deleted through.
    if findmnt -rno TARGET | grep -q "^$tmp/"; then
        umount -R -l "$root" 2>/dev/null || true
    fi
    rm -rf --one-file-system "$tmp"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# The base, bootstrapped once; a lock keeps two first runs from racing.
exec 9>"$cache/.lock-$release"
flock 9
if [ ! -f "$base" ]; then
    echo "Bootstrapping Debian $release ($suite, minbase) into $base; this takes a few minutes" >&2
    unshare --mount --propagation private \
        debootstrap --variant=minbase "$suite" "$tmp/base" http://deb.debian.org/debian >"$tmp/debootstrap.log" 2>&1 \
        || { tail -n 20 "$tmp/debootstrap.log" >&2; echo "debootstrap failed" >&2; exit 1; }
    tar -C "$tmp/base" --numeric-owner -cf "$base.part" .
    mv "$base.part" "$base"
    rm -rf --one-file-system "$tmp/base"
fi
exec 9>&-

mkdir "$root"
tar -C "$root" --numeric-owner -xpf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp -l "$debs"/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
git clone -q --no-checkout "$repo" "$root/root/zentrak"
git -C "$root/root/zentrak" checkout -q --detach "$commit"
[ -z "$(git -C "$repo" status --porcelain --untracked-files=no)" ] ||
    echo "Note: uncommitted changes are not in the run" >&2
echo "Debian $release ($suite): running '$*' on $(git -C "$repo" log -1 --format='%h %s' "$commit")" >&2

# PID 1 of the namespace is the inner shell: when it returns, every process
# left in the chroot is killed and the namespace's mounts go with it. The
# command gets a login's environment, with a UTF-8 locale (C.UTF-8 is in every
# Debian) and a runtime directory, and stdout to itself: this script talks on
# stderr.
unshare --mount --pid --fork --kill-child --propagation private env -i ROOT="$root" TERM="${TERM:-dumb}" bash -c '
    set -e
    mount -t proc proc "$ROOT/proc"
    mount -t sysfs sysfs "$ROOT/sys"
    mount --bind /dev "$ROOT/dev"
    mount --bind /dev/pts "$ROOT/dev/pts"
    mount -t tmpfs -o mode=1777 tmpfs "$ROOT/dev/shm"
    mkdir -p -m 0700 "$ROOT/run/user/0"
    chroot "$ROOT" /usr/bin/env -i HOME=/root TERM="$TERM" LANG=C.UTF-8 XDG_RUNTIME_DIR=/run/user/0 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/zentrak && $1"
' inner "$*" &
child=$!
wait "$child" && status=0 || status=$?
child=
exit "$status"
