#!/usr/bin/env bash
# Runs the test suite of a Windows build under Wine, in two passes: the offscreen tests
# without a display, then the tests that ask for a screen density on Windows' own platform,
# on a virtual display, each density in a prefix of its own. Run side by side, a program of
# the first kind was now and then held on its way out. Every Wine server the run started is
# ended with it.
#   wine-tests.sh BUILD_DIR
set -euo pipefail
built="$(realpath "$1")"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$root/scripts/wine.sh"

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
