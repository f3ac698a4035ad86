#!/usr/bin/env bash
# Wine as the Windows checks use it: one way to find it, prefixes that look like a Windows
# player's desktop, and a virtual display of our own. Sourced by windows.sh, the download
# checks and the test runner of the Windows build; run alone as
#   wine.sh PREFIX DPI [DESKTOP]
# it makes such a prefix (see make_wine_prefix).
set -euo pipefail

# Debian's 64-bit Wine, which runs our 64-bit programs without a 32-bit Wine beside it.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
wine_fonts=/usr/share/wine/fonts

# make_wine_prefix PREFIX DPI [DESKTOP]: a new prefix with Wine's look-alikes of Windows'
# fonts, text smoothed as Windows 10 and 11 smooth it, and the screen set to DPI dots per
# inch.
#
# Debian's wine64 loads fonts from the prefix's Windows folder and through fontconfig, but
# never from /usr/share/wine/fonts, where fonts-wine puts them: without the links below a
# Windows program meets only Linux's fonts, the menus fall back to a serif face and
# "MS Sans Serif" is missing. A new prefix draws text unsmoothed; Windows uses ClearType.
#
# With DESKTOP (WIDTHxHEIGHT) the windows open on a desktop of that size that Wine draws in
# one X window, title bars and all: with no window manager to wait for, a window shows two
# seconds sooner. Without it each window is an X window that xdotool can find.
make_wine_prefix() {
    local prefix="$1" dpi="$2" desktop="${3:-}"
    WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        "$wine" wineboot --init >/dev/null 2>&1 || {
        echo "FAILED: Wine could not make a prefix in $prefix" >&2
        return 1
    }
    ln -sf "$wine_fonts"/* "$prefix/drive_c/windows/Fonts/"
    local settings="$prefix/windows-desktop.reg" hex
    hex="$(printf '%08x' "$dpi")"
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n'
        printf '"FontSmoothing"="2"\n"FontSmoothingType"=dword:00000002\n'
        printf '"FontSmoothingGamma"=dword:00000578\n"FontSmoothingOrientation"=dword:00000001\n'
        printf '"LogPixels"=dword:%s\n\n' "$hex"
        printf '[HKEY_CURRENT_CONFIG\\Software\\Fonts]\n"LogPixels"=dword:%s\n' "$hex"
        if [ -n "$desktop" ]; then
            printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n'
            printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="%s"\n' \
                "$desktop"
        fi
    } >"$settings"
    WINEPREFIX="$prefix" WINEDEBUG=-all "$wine" regedit /S "$settings" >/dev/null 2>&1 || {
        echo "FAILED: Wine could not take the desktop settings in $settings" >&2
        return 1
    }
    WINEPREFIX="$prefix" "$wineserver" -w
}

# start_display WIDTH HEIGHT: a virtual X display of that size for Wine's windows. Xvfb
# picks a free number itself and writes it once it takes connections.
start_display() {
    local ready number=""
    ready="$(mktemp -u)"
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    # shellcheck disable=SC2034 # the callers end it
    display_pid=$!
    read -r -t 10 number <"$ready" || true
    rm -f "$ready"
    [ -n "$number" ] || {
        echo "FAILED: Xvfb did not start within ten seconds" >&2
        return 1
    }
    export DISPLAY=":$number"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    make_wine_prefix "$@"
fi
