#!/usr/bin/env bash
# Installs what is missing, builds Qt for Windows once, cross-builds Ombrix for Windows with
# its tests, runs the suite under Wine and writes into dist/windows/ the two downloads, the
# portable zip and the installer, and the test kit for Windows PCs, each checked under Wine
# before it is handed out.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/cross-qt.sh"

windows_packages=(
    wine64 fonts-wine nsis libgtest-dev
    xvfb xauth xdotool python3-pefile unzip
)
install_missing "${windows_packages[@]}"
ensure_cross_qt

built="$root/build-windows"
configure "$built" -DCMAKE_TOOLCHAIN_FILE="$cross_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DOMBRIX_BUILD_TESTS=ON
build "$built"

"$root/scripts/wine-tests.sh" "$built"

step "Packing the zip and the installer"
rm -rf "$built/packages"
packed="$(cpack --config "$built/CPackConfig.cmake" -B "$built/packages")" || {
    printf '%s\n' "$packed"
    echo "FAILED: CPack could not pack the Windows downloads" >&2
    exit 1
}
# CPack names each download it wrote.
mapfile -t downloads < <(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$packed")
zip="$(printf '%s\n' "${downloads[@]}" | grep '\.zip$' || true)"
setup="$(printf '%s\n' "${downloads[@]}" | grep '\.exe$' || true)"
if [ -z "$zip" ] || [ -z "$setup" ]; then
    printf '%s\n' "$packed"
    echo "FAILED: CPack named no zip or no installer among its downloads" >&2
    exit 1
fi
dist="$root/dist/windows"
mkdir -p "$dist"
cp "$zip" "$setup" "$dist/"
zip="$dist/$(basename "$zip")" setup="$dist/$(basename "$setup")"
kit="${zip%-win64.zip}-tests-win64.zip"
"$root/scripts/test-kit.sh" "$built" "$kit"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$built/CMakeCache.txt")"
"$root/scripts/windows-checks.sh" "$built" "$zip" "$setup" "$version" "$kit"
step "Windows downloads ready in $dist:"
ls -l "$zip" "$setup" "$kit"
