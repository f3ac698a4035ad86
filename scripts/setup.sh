#!/usr/bin/env bash
# Installs what is missing, then configures and builds Ombrix. Sourced by play.sh and
# test.sh; safe to run again and again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

step() { printf '==> %s\n' "$*"; }

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
