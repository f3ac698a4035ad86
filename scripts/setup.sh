#!/usr/bin/env bash
# Installs what is missing, then configures and builds Ombrix. Sourced by play.sh and
# test.sh; safe to run again and again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

step() { printf '==> %s\n' "$*"; }

# Every build of a commit packs the same bytes: the files carry the commit's time, never the
# clock's. A source tarball has no history; git archive wrote the time into source-date.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if [ -e "$root/.git" ] && command -v git >/dev/null; then
        epoch="$(git -C "$root" log -1 --format=%ct)"
    else
        epoch="$(cat "$root/packaging/source-date")"
    fi
    # A copy that is neither a clone nor a tarball has no time to give.
    [[ ! $epoch =~ ^[0-9]+$ ]] || export SOURCE_DATE_EPOCH="$epoch"
fi

# What building and running the game needs.
# shellcheck disable=SC2034 # for the scripts that source this one
game_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    fonts-liberation fonts-dejavu-core
)
# What the tests and the package checks need on top.
# shellcheck disable=SC2034
test_packages=(
    libgtest-dev
    binutils-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev file lintian
    shellcheck
)

# install_missing PACKAGE...
install_missing() {
    local missing=() p
    # One query for all of them: the common case is that nothing is missing.
    local installed
    installed="$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true)"
    for p in "$@"; do
        grep -qx "$p install ok installed" <<<"$installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        step "All required packages are installed"
        return
    fi
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    step "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure DIR [CMAKE OPTIONS...]
configure() {
    local dir="$1"
    shift
    step "Configuring in $dir"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

# build DIR [TARGET...]
build() {
    local dir="$1"
    shift
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    step "Building in $dir"
    cmake --build "$dir" --parallel "${targets[@]}"
}

# build_linux: Ombrix with its tests and tools, the build test.sh tests and the Debian package
# is packed from.
linux_build="$root/build"
build_linux() {
    configure "$linux_build" -DOMBRIX_BUILD_TESTS=ON -DOMBRIX_BUILD_TOOLS=ON
    build "$linux_build"
}

# require_committed WHY: stops, listing the changes, unless the tree is exactly its commit.
require_committed() {
    local changes
    changes="$(git -C "$root" status --porcelain)"
    [ -z "$changes" ] && return
    printf '%s\n' "$changes" >&2
    echo "FAILED: the tree has uncommitted changes (above): $1" >&2
    exit 1
}

# pack_zip FOLDER NAME ZIP: the folder NAME inside FOLDER, zipped with its files in name order
# and dated to the commit: the order a disk reads a folder in differs from one to the next.
pack_zip() {
    rm -f "$3"
    # A zip keeps its times as the local time of day, so the day is read in UTC.
    (cd "$1" && TZ=UTC cmake -E tar cf "$3" --format=zip --files-from=<(find "$2" -type f | LC_ALL=C sort))
}
