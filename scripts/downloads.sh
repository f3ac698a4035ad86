#!/usr/bin/env bash
# Builds Ombrix for Windows, and packs the downloads of a built tree: the Debian package, the
# Windows zip, installer and test kit, and the source tarball. Sourced by windows.sh and
# release.sh; run alone as
#   downloads.sh OUT_DIR
# it builds this tree for Debian and for Windows, as test.sh and windows.sh build it but
# running no test, and packs every download into OUT_DIR.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/cross-qt.sh"

windows_packages=(
    wine64 fonts-wine nsis libgtest-dev
    xvfb xauth xdotool python3-pefile unzip
)
windows_build="$root/build-windows"

# build_windows: Ombrix and its tests for Windows, with the cached Qt for Windows.
build_windows() {
    ensure_cross_qt
    configure "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$cross_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DOMBRIX_BUILD_TESTS=ON
    build "$windows_build"
}

# pack_deb OUT_DIR: the Debian package of the Linux build.
pack_deb() {
    local work="$linux_build/packages"
    rm -rf "$work"
    # CPack gives the files it writes itself the builder's umask.
    (umask 022 && cpack -G DEB --config "$linux_build/CPackConfig.cmake" -B "$work" >/dev/null) || {
        echo "FAILED: CPack could not pack the Debian package" >&2
        return 1
    }
    cp "$work"/*.deb "$1/"
}

# pack_windows OUT_DIR: the zip, the installer and the test kit of the Windows build. Sets
# zip, setup and kit to their paths.
pack_windows() {
    local out="$1" version packed name
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows_build/CMakeCache.txt")"
    rm -rf "$windows_build/packages"
    packed="$(umask 022 && cpack --config "$windows_build/CPackConfig.cmake" -B "$windows_build/packages")" || {
        printf '%s\n' "$packed"
        echo "FAILED: CPack could not pack the installer" >&2
        return 1
    }
    # CPack names the installer it wrote.
    setup="$(sed -n 's/^CPack: - package: \(.*\.exe\) generated\.$/\1/p' <<<"$packed")"
    if [ -z "$setup" ]; then
        printf '%s\n' "$packed"
        echo "FAILED: CPack named no installer" >&2
        return 1
    fi
    cp "$setup" "$out/"
    setup="$out/$(basename "$setup")"
    name="Ombrix-$version-win64"
    cmake --install "$windows_build" --prefix "$windows_build/packages/zip/$name" >/dev/null
    zip="$out/$name.zip"
    pack_zip "$windows_build/packages/zip" "$name" "$zip"
    kit="$out/Ombrix-$version-tests-win64.zip"
    "$root/scripts/test-kit.sh" "$windows_build" "$kit"
}

# pack_source OUT_DIR VERSION: the commit's files, which git archive dates to the commit.
pack_source() {
    git -C "$root" archive --format=tar.gz --prefix="ombrix-$2/" -o "$1/ombrix-$2.tar.gz" HEAD
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    out="$(realpath -m "$1")"
    mkdir -p "$out"
    install_missing "${game_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}" git
    build_linux
    build_windows
    step "Packing the downloads into $out"
    pack_deb "$out"
    pack_windows "$out"
    # An unpacked source tarball is itself the source download.
    if [ -e "$root/.git" ]; then
        pack_source "$out" "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$linux_build/CMakeCache.txt")"
    fi
    step "Downloads ready in $out:"
    ls -l "$out"
fi
