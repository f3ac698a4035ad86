#!/usr/bin/env bash
# Builds, once, the smallest Qt for 64-bit Windows that the game and its tests need, from
# Debian's own qt6-base source in the host Qt's version, and caches it outside the clone.
# Prints the cached Qt's folder on its last line. Sourced by windows.sh, or run alone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cross_triplet=x86_64-w64-mingw32
cross_toolchain="$root/cmake/mingw-w64.cmake"
cross_qt_packages=(
    g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
    cmake ninja-build dpkg-dev perl python3
)
# Only the parts the game and its tests load: Core, Gui, Widgets and Test, the windows,
# offscreen and minimal platforms, the Windows style and the ico reader. FreeType stays on,
# as the offscreen platform needs it; Debian's source has no wintab, hence no tablet events.
cross_qt_options=(
    -release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-glib
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -no-zstd
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-tabletevent -no-feature-vulkan
    -no-feature-gif -no-feature-jpeg
)

# The cache key: the source version and the options, so a change to either builds anew.
cross_qt_prefix() {
    local version key
    version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
    key="$( (printf '%s\n' "$version" "${cross_qt_options[@]}" && cat "$cross_toolchain") |
        sha256sum | cut -c1-12)"
    printf '%s/ombrix/qt-%s-%s-%s\n' "${XDG_CACHE_HOME:-$HOME/.cache}" "${version%%+*}" \
        "$cross_triplet" "$key"
}

# Fetches qt6-base's source through a private apt folder, leaving the system's sources alone.
fetch_qt_source() {
    local version="$1" into="$2" apt_dir="$2/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
    sed -n 's/^Types: deb$/Types: deb-src/;p' /etc/apt/sources.list.d/*.sources \
        >"$apt_dir/debian.sources" 2>/dev/null || true
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/extra.list"
    fi
    local apt_options=(
        -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir"
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::Archives="$apt_dir/archives"
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
    )
    step "Reading Debian's source index for qt6-base $version"
    apt-get "${apt_options[@]}" update -q >/dev/null
    step "Fetching the qt6-base $version source"
    (cd "$into" && apt-get "${apt_options[@]}" source -q "qt6-base=$version" >/dev/null)
}

# Configures, builds and installs the cross Qt into PREFIX.
build_cross_qt() {
    local prefix="$1" version work source_dir
    version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
    work="$(dirname "$prefix")/work-$(basename "$prefix")"
    rm -rf "$work"
    mkdir -p "$work"
    fetch_qt_source "$version" "$work"
    source_dir="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
    # Qt remembers the toolchain it was built with, so it keeps its own copy beside it.
    mkdir -p "$prefix"
    cp "$cross_toolchain" "$prefix/mingw-w64.cmake"
    step "Configuring Qt for Windows in $work/build"
    mkdir -p "$work/build"
    (cd "$work/build" && "$source_dir/configure" -prefix "$prefix" \
        -xplatform win32-g++ -device-option "CROSS_COMPILE=$cross_triplet-" \
        -qt-host-path /usr "${cross_qt_options[@]}" \
        -- -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" >"$work/configure.log" 2>&1) || {
        tail -n 40 "$work/configure.log"
        return 1
    }
    step "Building Qt for Windows: about a quarter of an hour on two cores, once"
    cmake --build "$work/build" --parallel
    step "Installing Qt for Windows in $prefix"
    cmake --install "$work/build" >/dev/null
    rm -rf "$work"
}

# ensure_cross_qt: sets cross_qt to a cached Qt for Windows, building it when missing.
ensure_cross_qt() {
    install_missing "${cross_qt_packages[@]}"
    cross_qt="$(cross_qt_prefix)"
    if [ -f "$cross_qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        step "Using the cached Qt for Windows in $cross_qt"
        return
    fi
    build_cross_qt "$cross_qt"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    ensure_cross_qt
    echo "$cross_qt"
fi
