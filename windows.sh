#!/usr/bin/env bash
# Installs what is missing, builds Qt for Windows once, cross-builds Ombrix for Windows with
# its tests, runs the suite under Wine and writes into dist/windows/ the two downloads, the
# portable zip and the installer, and the test kit for Windows PCs, each checked under Wine
# before it is handed out.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/cross-qt.sh"
source "$root/scripts/wine.sh"

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

# What Windows cannot run, by label, and why.
left_out=(
    "packaging:checks the Debian package and its install tree"
    "display:starts the game on X11 without a display or an X11 plugin"
    "idle:counts the game's threads and their wake-ups in Linux's /proc"
)
labels=()
step "Leaving out on Windows:"
for entry in "${left_out[@]}"; do
    printf '    %-10s %s\n' "${entry%%:*}" "${entry#*:}"
    labels+=("${entry%%:*}")
done
printf '    %-10s %s\n' "(art)" "ResourceCompiler.*: runs Debian's windres; the exe's record is read after packing"
# The tests that ask for a screen density run on Windows' own platform, on a display, each
# density in a prefix of its own; the rest draw offscreen without one. Run side by side, a
# program of the second kind was now and then held on its way out for a minute.
on_screen='^(WholeText@.*|[0-9.]+x[.](Twice|Fractional)[.].*)$'
left_out_pattern="^($(IFS='|'; echo "${labels[*]}"))\$"
end_wine() {
    local prefix
    for prefix in "$built"/wine "$built"/wine-desktop-*; do
        [ ! -d "$prefix" ] || WINEPREFIX="$prefix" "$wineserver" -k 2>/dev/null || true
    done
    [ -z "${display_pid:-}" ] || kill "$display_pid" 2>/dev/null || true
}
trap end_wine EXIT
step "Running the test suite under Wine"
(
    unset DISPLAY
    "$built/wine-run" cmd /c exit
    ctest --test-dir "$built" --output-on-failure --parallel 2 -LE "$left_out_pattern" \
        -E "$on_screen"
)

step "Running the tests drawn by Windows' own platform at 96, 120, 144 and 192 dpi"
start_display 2560 1600
# Their prefixes are made one after another first, so that no test starts or ends while
# Wine sets up a prefix beside it.
for dpi in 96 120 144 192; do
    OMBRIX_SCREEN_DPI=$dpi "$built/wine-run" cmd /c exit
done
ctest --test-dir "$built" --output-on-failure --parallel 2 -LE "$left_out_pattern" -R "$on_screen"

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
