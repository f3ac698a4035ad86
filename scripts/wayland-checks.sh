#!/usr/bin/env bash
# The game on Wayland, under a headless compositor (sway) at the scales 1, 1.5 and 2, as a
# desktop shows it: its app id, its own size, the table crisp at 1.5 and 2, a size forced on
# it, and the Rules, About and verdict boxes, each opened with the keys a player would press. Pictures of each go into
# BUILD_DIR/wayland/. Run as: wayland-checks.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build_dir="$(realpath "$1")"
install_missing sway grim jq wtype python3-pil qt6-wayland
out="$build_dir/wayland"
rm -rf "$out"
mkdir -p "$out"
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=wayland
# The game's app id is its desktop entry's name, so that the desktop shows its icon.
desktop_entry="$(find "$build_dir/packaging" -maxdepth 1 -name '*.desktop' -printf '%T@ %p\n' |
    sort -rn | head -n1 | cut -d' ' -f2)"
app_id="$(basename "$desktop_entry" .desktop)"
sway_pid=
game_pid=
keyboard_pid=

fail() {
    echo "FAILED: $* (the compositor's log: $out/sway-$scale.log)" >&2
    exit 1
}

stop() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    [ -z "$keyboard_pid" ] || kill "$keyboard_pid" 2>/dev/null || true
    [ -z "$sway_pid" ] || kill "$sway_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    game_pid=
    keyboard_pid=
    sway_pid=
}
trap 'stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# until_true SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds.
until_true() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

start_sway() {
    printf 'output HEADLESS-1 resolution 1600x1200 scale %s\n' "$1" >"$XDG_RUNTIME_DIR/sway.conf"
    rm -f "$XDG_RUNTIME_DIR"/sway-ipc.* "$XDG_RUNTIME_DIR"/wayland-*
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway --config "$XDG_RUNTIME_DIR/sway.conf" >"$out/sway-$1.log" 2>&1 &
    sway_pid=$!
    until_true 20 swaymsg_ready || fail "sway did not start at scale $1"
    # A headless seat has no keyboard, and one that comes and goes with each wtype can be gone
    # before the game has bound it: this one stays for the whole run.
    wtype -s 3600000 &
    keyboard_pid=$!
    sleep 0.5
}

swaymsg_ready() {
    local socket display
    socket="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*.sock' | head -n1)"
    display="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' | head -n1)"
    [ -n "$socket" ] && [ -n "$display" ] || return 1
    export SWAYSOCK="$socket" WAYLAND_DISPLAY="${display##*/}"
    swaymsg -t get_version >/dev/null 2>&1
}

# windows: one line per window of the game: its title, whether it floats, and its content's
# place and size in the desktop's units.
windows() {
    swaymsg -t get_tree | jq -r --arg id "$app_id" '.. | objects | select(.app_id? == $id)
        | [.name, .type, .rect.x + .window_rect.x, .rect.y + .window_rect.y,
           .window_rect.width, .window_rect.height] | @tsv'
}

no_box() {
    ! window_named Ombrix
}

tiled() {
    [ "$(geometry 'Ombrix!' | cut -d' ' -f3)" -gt 486 ]
}

window_named() {
    windows | awk -F'\t' -v name="$1" '$1 == name' | grep -q .
}

# geometry NAME: "x y width height" of the game's window of that title.
geometry() {
    windows | awk -F'\t' -v name="$1" '$1 == name { print $3, $4, $5, $6 }' | head -n1
}

# picture NAME FILE: a screenshot of the game's window of that title.
picture() {
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    grim -g "$x,$y ${w}x$h" "$2"
}

# box KEYS... NAME: presses the keys, expects a floating box over the game's window, takes
# its picture and closes it with Enter.
box() {
    local name="${*: -1}" keys=("${@:1:$#-1}") bx by bw bh gx gy gw gh
    wtype "${keys[@]}"
    until_true 10 window_named Ombrix || fail "no box opened at scale $scale after: ${keys[*]}"
    windows | awk -F'\t' '$1 == "Ombrix"' | grep -q 'floating_con' ||
        fail "the box after ${keys[*]} does not float over the game at scale $scale"
    read -r bx by bw bh <<<"$(geometry Ombrix)"
    read -r gx gy gw gh <<<"$(geometry 'Ombrix!')"
    if [ "$bx" -lt "$gx" ] || [ "$by" -lt "$gy" ] || [ $((bx + bw)) -gt $((gx + gw)) ] ||
        [ $((by + bh)) -gt $((gy + gh)) ]; then
        fail "the box after ${keys[*]} at $bx,$by ${bw}x$bh is not over the game at $gx,$gy ${gw}x$gh, scale $scale"
    fi
    sleep 0.3
    picture Ombrix "$out/$name-$scale.png"
    wtype -k Return
    until_true 10 no_box || fail "Enter did not close the box at scale $scale"
}

# bare PICTURE MENU: how many pixels of the picture show Qt's bare window background around
# the table, below a menu bar MENU units high, at the scale in force.
bare() {
    python3 - "$1" "$2" "$scale" <<'PY'
import sys
from PIL import Image
picture = Image.open(sys.argv[1]).convert("RGB")
scale = float(sys.argv[3])
top = round(int(sys.argv[2]) * scale)
right, bottom = round(486 * scale), top + round(323 * scale)
width, height = picture.size
print(sum(1 for y in range(top, height) for x in range(width)
          if (x >= right or y >= bottom) and picture.getpixel((x, y)) == (239, 239, 239)))
PY
}
# crisp PICTURE MENU: whether the table's top left corner in the picture, below a menu bar
# MENU units high, is drawn from the dense art: at 2 it is that art to the pixel; at 1.5
# its edges are sharper than those of the plain art scaled up would be.
crisp() {
    python3 - "$1" "$2" "$scale" "$root/art" <<'PY'
import sys
from PIL import Image, ImageFilter, ImageStat
picture = Image.open(sys.argv[1]).convert("RGB")
scale = float(sys.argv[3])
top = round(int(sys.argv[2]) * scale)
size = (round(90 * scale), round(95 * scale))
corner = picture.crop((0, top, size[0], top + size[1]))
dense = Image.open(sys.argv[4] + "/table@2x.bmp").convert("RGB").crop((0, 0, 180, 190))
plain = Image.open(sys.argv[4] + "/table.bmp").convert("RGB").crop((0, 0, 90, 95))
def edges(image):
    return ImageStat.Stat(image.convert("L").filter(ImageFilter.FIND_EDGES)).var[0]
if scale == 2:
    print("yes" if list(corner.getdata()) == list(dense.getdata()) else "not the dense art")
else:
    blurred = edges(plain.resize(size, Image.BILINEAR))
    print("yes" if edges(corner) > 1.2 * blurred else
          f"edges {edges(corner):.0f}, no sharper than the plain art scaled up ({blurred:.0f})")
PY
}

for scale in 1 1.5 2; do
    start_sway "$scale"
    step "Wayland at scale $scale: the game as the desktop shows it"
    "$build_dir/app/ombrix" >"$out/game-$scale.log" 2>&1 &
    game_pid=$!
    until_true 10 window_named 'Ombrix!' ||
        fail "no window with the app id $app_id at scale $scale; the desktop has: $(swaymsg -t get_tree | jq -r '.. | .app_id? // empty')"
    read -r _ _ width height <<<"$(geometry 'Ombrix!')"
    windows | awk -F'\t' '$1 == "Ombrix!"' | grep -q floating_con ||
        fail "the game's window does not float at its own size at scale $scale"
    if [ "$width" -ne 486 ] || [ "$height" -le 323 ]; then
        fail "the game's window opened at ${width}x$height, not 486 wide with its menu over the table"
    fi
    sleep 0.5
    picture 'Ombrix!' "$out/window-$scale.png"
    if [ "$scale" != 1 ]; then
        sharp="$(crisp "$out/window-$scale.png" $((height - 323)))"
        [ "$sharp" = yes ] || fail "the table is not crisp at scale $scale: $sharp; $out/window-$scale.png"
    fi

    box -k Tab -k Return rules
    box -M alt f -m alt a about
    # Back to Let's Play, then a whole game: each side places its five cards.
    wtype -k Tab -k Return
    sleep 0.3
    wtype 12345 -k Return 12345
    box -k Return verdict

    step "Wayland at scale $scale: a size forced on the window, as a tiling desktop does"
    swaymsg "[app_id=\"$app_id\"] floating disable" >/dev/null
    until_true 10 tiled ||
        fail "sway did not tile the game's window at scale $scale"
    sleep 0.5
    picture 'Ombrix!' "$out/forced-$scale.png"
    shown="$(bare "$out/forced-$scale.png" $((height - 323)))"
    [ "$shown" -eq 0 ] ||
        fail "$shown pixels of bare window show around the table at scale $scale: $out/forced-$scale.png"
    stop
done
step "The game passed on Wayland at 1, 1.5 and 2; its pictures are in $out"
