#!/usr/bin/env bash
# Installs what is missing, then configures and builds Ombrix into build/.
# Sourced by play.sh and test.sh; safe to run again and again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

step() { printf '==> %s\n' "$*"; }

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev
    fonts-liberation fonts-dejavu-core
    binutils-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev file lintian
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
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

# configure_and_build DIR [CMAKE OPTIONS...]
configure_and_build() {
    local dir="$1"
    shift
    step "Configuring in $dir"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    step "Building in $dir"
    cmake --build "$dir" --parallel
}
