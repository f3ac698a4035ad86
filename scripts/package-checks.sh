#!/usr/bin/env bash
# The Debian package of the Linux build, as release.sh packs it, installed with apt in a clean
# root of Debian 12 and of Debian 13: lintian of that release has nothing to say about it, and
# the installed game opens its window, at twice the size where Xft.dpi asks for it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/downloads.sh"
source "$root/scripts/debian-root.sh"

work="$(mktemp -d)"
trap 'leave_root "$work/root"; rm -rf "$work"' EXIT
mkdir -p "$work/deb"
pack_deb "$work/deb"
deb="$(find "$work/deb" -name '*.deb')"

for release in bookworm trixie; do
    enter_root "$release" "$work/root"
    cp "$deb" "$work/root/tmp/"
    step "Debian $release: installing $(basename "$deb") with apt"
    in_root "$work/root" apt-get update -q >/dev/null
    in_root "$work/root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends "/tmp/$(basename "$deb")" lintian xvfb xauth xdotool x11-xserver-utils >"$work/apt.log" ||
        { cat "$work/apt.log"; echo "FAILED: apt could not install the package on $release" >&2; exit 1; }

    step "Debian $release: lintian"
    # As a user: lintian run by root says so first. The one tag allowed is the homepage Debian
    # 13's AppStream asks for, which the game does not have.
    said="$(in_root "$work/root" runuser -u nobody -- lintian -EvIL +pedantic \
        --tag-display-limit 0 "/tmp/$(basename "$deb")" 2>&1 || true)"
    left="$(grep -v '^W: ombrix: appstream-metadata-validation-failed ' <<<"$said" || true)"
    if [ -n "$left" ]; then
        printf '%s\n' "$said" >&2
        echo "FAILED: lintian of Debian $release had something to say about the package (above)" >&2
        exit 1
    fi

    # On a dense X11 desktop, as desktops tell Qt their scale: twice the dots per inch in
    # Xft.dpi gives a window twice the size. Xvfb must not reset when xrdb leaves, or it forgets.
    step "Debian $release: the installed game opens its window, at 96 and at 192 dpi"
    for dpi in 96 192; do
        # shellcheck disable=SC2016 # expanded in the root
        width="$(in_root "$work/root" bash -c '
            Xvfb :7 -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 & server=$!
            export DISPLAY=:7
            sleep 1
            echo "Xft.dpi: $1" | xrdb -nocpp -merge
            /usr/games/ombrix 2>/dev/null & game=$!
            found=$(timeout 20 xdotool search --sync --onlyvisible --name "^Ombrix!\$" 2>/dev/null | head -n1)
            [ -z "$found" ] || xdotool getwindowgeometry "$found" | sed -n "s/^ *Geometry: \([0-9]*\)x.*/\1/p"
            kill "$game" "$server" 2>/dev/null
            wait' _ "$dpi")"
        [ -n "$width" ] || { echo "FAILED: the game installed on Debian $release opened no window at $dpi dpi" >&2; exit 1; }
        [ "$width" -eq $((486 * dpi / 96)) ] ||
            { echo "FAILED: at $dpi dpi the game on Debian $release is $width pixels wide, not $((486 * dpi / 96))" >&2; exit 1; }
    done
    leave_root "$work/root"
done
step "The package installs, passes lintian and starts on Debian 12 and 13"
