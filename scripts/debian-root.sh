#!/usr/bin/env bash
# Clean roots of the Debian releases Ombrix supports, made with mmdebstrap from Debian's own
# packages. The bare root of each release is cached outside the clone, as a tarball made
# anew once it is a week old so that point releases come in; every use unpacks a fresh copy.
# Sourced by the scripts that test or install in them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# debian_root RELEASE: sets root_tarball to the cached bare root of RELEASE (bookworm,
# trixie), making it when it is missing or stale.
debian_root() {
    install_missing mmdebstrap
    root_tarball="${XDG_CACHE_HOME:-$HOME/.cache}/ombrix/debian-$1.tar"
    if [ -f "$root_tarball" ] && [ -z "$(find "$root_tarball" -mtime +6)" ]; then
        step "Using the cached Debian $1 root $root_tarball"
        return
    fi
    step "Making a clean Debian $1 root with mmdebstrap"
    mkdir -p "$(dirname "$root_tarball")"
    rm -rf "$root_tarball.new"
    mmdebstrap --quiet --variant=apt --format=tar "$1" "$root_tarball.new"
    mv "$root_tarball.new" "$root_tarball"
}

# enter_root RELEASE DIR: a fresh copy of RELEASE's root at DIR, with /proc and /dev mounted
# in it and the host's name server. leave_root DIR undoes it; callers trap it on EXIT.
enter_root() {
    debian_root "$1"
    step "Unpacking a clean Debian $1 root into $2"
    mkdir -p "$2"
    tar -C "$2" -xf "$root_tarball"
    cp /etc/resolv.conf "$2/etc/resolv.conf"
    mount -t proc proc "$2/proc"
    mount --rbind /dev "$2/dev"
    mount --make-rslave "$2/dev"
}

leave_root() {
    local dir="$1"
    [ -d "$dir" ] || return 0
    umount -R "$dir/dev" 2>/dev/null || true
    umount "$dir/proc" 2>/dev/null || true
    # Never remove a root with anything still mounted in it: that would reach /dev.
    if findmnt -rn -o TARGET | grep -q "^$dir/"; then
        echo "FAILED: $dir still has something mounted in it; it was left in place" >&2
        return 1
    fi
    rm -rf "$dir"
}

# in_root DIR COMMAND...: runs COMMAND as root in DIR, with a plain environment.
in_root() {
    local dir="$1"
    shift
    chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
