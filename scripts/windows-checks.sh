#!/usr/bin/env bash
# Checks the Windows downloads under Wine, on a virtual X display with the real Windows
# platform plugin: the portable folder loads exactly the libraries it carries and nothing
# else of ours; without its plugin it says why in a box and fails; the installer installs
# per user, the installed game starts, and the uninstaller leaves nothing behind; the exe's
# version record matches the one version; the test kit, run through Wine's cmd as a person
# would run it on Windows, passes and leaves its report and pictures.
#   windows-checks.sh BUILD_DIR ZIP SETUP VERSION TEST_KIT
set -euo pipefail
built="$(realpath "$1")" zip="$(realpath "$2")" setup="$(realpath "$3")" version="$4"
kit="$(realpath "$5")"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$root/scripts/wine.sh"

fail() {
    printf 'FAILED: %s\n' "$*" >&2
    exit 1
}

work="$built/windows-checks"
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_display 1280 800
trap '"$wineserver" -k 2>/dev/null || true; kill "$display_pid" 2>/dev/null || true' EXIT
step "Preparing a Wine prefix for the checks: Windows' look-alike fonts, smoothed, at 96 dpi"
make_wine_prefix "$WINEPREFIX" 96
PATH="/usr/lib/wine:$PATH"

# wait_for_window NAME SECONDS: the id of the first window so named, or nothing.
wait_for_window() {
    local id="" tries=$(($2 * 5))
    while [ -z "$id" ] && [ "$tries" -gt 0 ]; do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)"
        [ -n "$id" ] || sleep 0.2
        tries=$((tries - 1))
    done
    printf '%s' "$id"
}

# wait_for_exit PID SECONDS: sets status to the process's exit status, or fails when it
# does not end. Not in a subshell: only this shell can wait for its own child.
wait_for_exit() {
    local tries=$(($2 * 5))
    while kill -0 "$1" 2>/dev/null; do
        [ "$tries" -gt 0 ] || fail "the program did not end within $2 s"
        sleep 0.2
        tries=$((tries - 1))
    done
    status=0
    wait "$1" || status=$?
}

# press WINDOW KEY: a real key press in that window. There is no window manager to ask for
# the focus, so it is set by hand.
press() {
    xdotool windowfocus --sync "$1" key "$2"
}

# play_and_close EXE LOG: starts the game, waits for its window, closes it with Alt+F4 and
# expects a clean exit.
play_and_close() {
    WINEDEBUG=+loaddll "$wine" "$1" >/dev/null 2>"$2" &
    local game=$! window
    window="$(wait_for_window 'Ombrix!' 30)"
    [ -n "$window" ] || fail "$1 showed no window named \"Ombrix!\""
    press "$window" alt+F4
    wait_for_exit "$game" 20
    [ "$status" = 0 ] || fail "$1 exited with status $status after Alt+F4"
}

step "Checking the portable zip"
unzip -q "$zip" -d "$work/portable"
folder="$work/portable/$(basename "$zip" .zip)"
[ -f "$folder/Ombrix.exe" ] || fail "$zip has no Ombrix.exe in $(basename "$folder")/"
play_and_close "$folder/Ombrix.exe" "$work/portable.log"
# Every library the folder carries was loaded from it, and nothing but Windows' own came
# from anywhere else.
carried="$(cd "$folder" && find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)"
# Wine's trace doubles each backslash of a path.
loaded="$(sed -n 's/.*Loaded L"\([^"]*\.dll\)".*: native$/\1/Ip' "$work/portable.log" |
    sed 's|\\\\|/|g' | tr '[:upper:]' '[:lower:]' | sort -u)"
folder_win="$(printf 'z:%s/' "$folder" | tr '[:upper:]' '[:lower:]')"
from_folder="$(grep -F "$folder_win" <<<"$loaded" | sed "s|^$folder_win||" | sort -u)"
[ "$carried" = "$from_folder" ] ||
    fail "the zip's libraries differ from those the game loaded:$(diff <(echo "$carried") <(echo "$from_folder") || true)"
outside="$(grep -v -F "$folder_win" <<<"$loaded" | grep -v '^c:/windows/' || true)"
[ -z "$outside" ] || fail "the game loaded libraries from outside its folder: $outside"
printf '    loads exactly its %d libraries and plugins\n' "$(wc -l <<<"$carried")"

step "Starting the portable folder without its platform plugin"
cp -r "$folder" "$work/broken"
rm "$work/broken/platforms/qwindows.dll"
"$wine" "$work/broken/Ombrix.exe" >"$work/broken.out" 2>"$work/broken.err" &
game=$!
# Qt puts up a box of its own first, with its last words alone; ours follows with the rest.
for which in "Qt's" "the game's"; do
    box="$(wait_for_window Ombrix 30)"
    [ -n "$box" ] || fail "no box named \"Ombrix\" appeared: $which was expected"
    press "$box" Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Ombrix$' 2>/dev/null | grep -qx "$box" || break
        sleep 0.2
    done
done
grep -q "Ombrix could not start its display layer. Qt says:" "$work/broken.err" ||
    fail "the report does not say what failed: $(cat "$work/broken.err")"
grep -q 'Could not find the Qt platform plugin "windows"' "$work/broken.err" ||
    fail "the report does not give Qt's reason: $(cat "$work/broken.err")"
wait_for_exit "$game" 20
[ "$status" = 1 ] || fail "without its plugin the game exited with $status, not 1"
echo "    two boxes say why, and the game exits with status 1"

step "Reading the exe's version record"
# Debian's own Python, for which windows.sh installs pefile.
/usr/bin/python3 - "$folder/Ombrix.exe" "$version" <<'PY'
import sys, pefile
exe, version = sys.argv[1], sys.argv[2]
pe = pefile.PE(exe)
major, minor, patch = (int(part) for part in version.split("."))
shown = f"{major}.{minor}{patch}"
fixed = pe.VS_FIXEDFILEINFO[0]
wanted = ((major << 16) | minor, patch << 16)
problems = []
if (fixed.FileVersionMS, fixed.FileVersionLS) != wanted:
    problems.append("FILEVERSION is not " + version)
if (fixed.ProductVersionMS, fixed.ProductVersionLS) != wanted:
    problems.append("PRODUCTVERSION is not " + version)
strings = {}
for info in pe.FileInfo[0]:
    for table in getattr(info, "StringTable", []):
        strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
for key, value in {"FileVersion": shown, "ProductVersion": shown, "ProductName": "Ombrix",
                   "OriginalFilename": "Ombrix.exe"}.items():
    if strings.get(key) != value:
        problems.append(f"{key} is {strings.get(key)!r}, not {value!r}")
if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
    problems.append("the exe opens a console window")
icons = [e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries if e.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
if not icons:
    problems.append("the exe carries no icon")
if problems:
    sys.exit("FAILED: " + "; ".join(problems))
print(f"    version {version} (shown as {shown}), a windowed program with its icon")
PY

step "Installing silently for this user"
"$wine" "$setup" /S
installed="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Ombrix' -type d | head -n1)"
[ -n "$installed" ] || fail "the installer put no Ombrix folder under the user's programs"
expected="$( (cd "$folder" && find . -type f && echo ./Uninstall.exe) | sort)"
actual="$(cd "$installed" && find . -type f | sort)"
[ "$expected" = "$actual" ] ||
    fail "the installed files differ from the zip's:$(diff <(echo "$expected") <(echo "$actual") || true)"
shortcut="$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Ombrix.lnk' | head -n1)"
[ -n "$shortcut" ] || fail "no Start-menu entry"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrix'
entry="$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')"
for value in "DisplayName    REG_SZ    Ombrix" "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    The Ombrix developers" "DisplayIcon    REG_SZ    .*\\\\Ombrix.exe,0" \
    "UninstallString    REG_SZ    \".*\\\\Uninstall.exe\""; do
    grep -q -- "$value" <<<"$entry" || fail "Apps & features entry lacks '$value':$entry"
done
echo "    $(wc -l <<<"$actual") files, the Start-menu entry and the Apps & features entry"
play_and_close "$installed/Ombrix.exe" "$work/installed.log"
echo "    the installed game starts, shows its window and closes"

step "Uninstalling silently"
"$wine" "$installed/Uninstall.exe" /S
# The uninstaller runs on from a copy of itself: wait until it is done.
for _ in $(seq 100); do
    [ -e "$installed" ] || break
    sleep 0.3
done
[ ! -e "$installed" ] || fail "the uninstaller left: $(cd "$installed" && find . | head)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
if "$wine" reg query "$key" >/dev/null 2>&1; then
    fail "the uninstaller left the Apps & features entry"
fi
echo "    every file, the Start-menu entry and the Apps & features entry are gone"

step "Running the test kit through Wine's cmd, as a person would on Windows"
unzip -q "$kit" -d "$work/kit"
kit_folder="$work/kit/$(basename "$kit" .zip)"
(cd "$kit_folder" && timeout 1200 "$wine" cmd /c run-tests.cmd </dev/null >"$work/kit.out" 2>"$work/kit.err") ||
    true
last="$(tr -d '\r' <"$work/kit.out" | grep -v '^$' | tail -n1 || true)"
[[ $last =~ ^[0-9]+\ passed,\ 0\ failed$ ]] ||
    fail "the test kit ended with \"$last\", not \"N passed, 0 failed\"; see $kit_folder/report.txt"
for picture in welcome game rules about; do
    [ -s "$kit_folder/pictures/$picture.png" ] || fail "the test kit took no pictures/$picture.png"
done
# At 96 dpi with Wine's fonts, as on Windows at 100 %, the greeting gets the bitmap face.
grep -q "WelcomeLabel: MS Sans Serif bold, bitmap, 13 px" "$kit_folder/report.txt" ||
    fail "the greeting did not get the bitmap MS Sans Serif at 96 dpi: $(grep WelcomeLabel "$kit_folder/report.txt")"
echo "    $last, with its report and four pictures"
