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
cpack --config "$built/CPackConfig.cmake" -B "$built/packages" >/dev/null
dist="$root/dist/windows"
mkdir -p "$dist"
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$built/CPackConfig.cmake")"
zip="Ombrix-$version-win64.zip"
setup="Ombrix-$version-setup.exe"
cp "$built/packages/$zip" "$built/packages/$setup" "$dist/"
kit="Ombrix-$version-tests-win64.zip"
"$root/scripts/test-kit.sh" "$built" "$dist/$kit"

"$root/scripts/windows-checks.sh" "$built" "$dist/$zip" "$dist/$setup" "$version" "$dist/$kit"
step "Windows downloads ready in $dist:"
ls -l "$dist/$zip" "$dist/$setup" "$dist/$kit"
