#!/usr/bin/env bash
# Installs what is missing, builds Qt for Windows once, cross-builds Ombrix for Windows with
# its tests, runs the suite under Wine and writes into dist/windows/ the two downloads, the
# portable zip and the installer, and the test kit for Windows PCs, each checked under Wine
# before it is handed out.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/downloads.sh"

install_missing "${windows_packages[@]}"
build_windows

"$root/scripts/wine-tests.sh" "$windows_build"

step "Packing the zip, the installer and the test kit"
dist="$root/dist/windows"
mkdir -p "$dist"
pack_windows "$dist"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows_build/CMakeCache.txt")"
"$root/scripts/windows-checks.sh" "$windows_build" "$zip" "$setup" "$version" "$kit"
step "Windows downloads ready in $dist:"
ls -l "$zip" "$setup" "$kit"
