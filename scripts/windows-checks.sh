#!/usr/bin/env bash
# Checks the Windows downloads under Wine, on a virtual X display with the real Windows
# platform plugin, for what a Windows player would notice:
# - each download stays within its size budget, and every binary in it is stripped;
# - the portable folder loads exactly the libraries it carries, its platform and the native
#   style among them, and nothing else of ours; without its platform plugin it says why in a
#   box and fails;
# - the exe's version record matches the one version; the exe, the installer and the
#   uninstaller ask for no administrator;
# - the installer installs per user, its Start-menu entry starts the game, and Apps &
#   features can uninstall it with what its entry names, leaving nothing behind;
# - the test kit, run through Wine's cmd as a person would run it on Windows, passes and
#   leaves its report and pictures.
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
binaries="$root/scripts/windows-binaries.py"

# What each download may weigh at most, in MiB: a tenth or so above what it weighs now, so
# that a binary shipped with its debugging notes, or a library too many, fails.
budgets=("$zip:12" "$setup:10" "$kit:16")
step "Weighing the downloads"
for budget in "${budgets[@]}"; do
    file="${budget%:*}" limit="${budget##*:}"
    size="$(stat -c %s "$file")"
    [ "$size" -le $((limit * 1024 * 1024)) ] ||
        fail "$(basename "$file") weighs $((size / 1024)) KiB, over its budget of $limit MiB"
    printf '    %-34s %6d KiB of %d MiB\n' "$(basename "$file")" $((size / 1024)) "$limit"
done

# wait_for_window NAME SECONDS: the id of the first visible window so named, or nothing.
wait_for_window() {
    timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true
}

# wait_for_game PID: the exit status of a program started under `timeout`, which ends it
# when it runs too long; fails then.
wait_for_game() {
    status=0
    wait "$1" || status=$?
    [ "$status" != 124 ] || fail "the game did not end in time"
}

# press WINDOW KEY: a real key press in that window. There is no window manager to ask for
# the focus, so it is set by hand.
press() {
    xdotool windowfocus --sync "$1" key "$2"
}

# play_and_close LOG WINDOWS_COMMAND...: starts the game, waits for its window, closes it
# with Alt+F4 and expects a clean exit.
play_and_close() {
    local log="$1"
    shift
    WINEDEBUG=+loaddll timeout 60 "$wine" "$@" >/dev/null 2>"$log" &
    local game=$! window
    window="$(wait_for_window 'Ombrix!' 30)"
    [ -n "$window" ] || fail "$* showed no window named \"Ombrix!\""
    press "$window" alt+F4
    wait_for_game "$game"
    [ "$status" = 0 ] || fail "$* exited with status $status after Alt+F4"
}

step "Checking the portable zip"
unzip -q "$zip" -d "$work/portable"
folder="$work/portable/$(basename "$zip" .zip)"
[ -f "$folder/Ombrix.exe" ] || fail "$zip has no Ombrix.exe in $(basename "$folder")/"
mapfile -t shipped < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
"$binaries" stripped "${shipped[@]}"
play_and_close "$work/portable.log" "$folder/Ombrix.exe"
# Every library the folder carries was loaded from it, and nothing but Windows' own came
# from anywhere else.
carried="$(cd "$folder" && find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)"
# Wine's trace doubles each backslash of a path.
loaded="$(sed -n 's/.*Loaded L"\([^"]*\.dll\)".*: native$/\1/Ip' "$work/portable.log" |
    sed 's|\\\\|/|g' | tr '[:upper:]' '[:lower:]' | sort -u)"
folder_win="$(printf 'z:%s/' "$folder" | tr '[:upper:]' '[:lower:]')"
from_folder="$(grep -F "$folder_win" <<<"$loaded" | sed "s|^$folder_win||" | sort -u || true)"
[ -n "$from_folder" ] || fail "the game loaded no library from its folder $folder"
[ "$carried" = "$from_folder" ] ||
    fail "the zip's libraries differ from those the game loaded:$(diff <(echo "$carried") <(echo "$from_folder") || true)"
outside="$(grep -v -F "$folder_win" <<<"$loaded" | grep -v '^c:/windows/' || true)"
[ -z "$outside" ] || fail "the game loaded libraries from outside its folder: $outside"
# Without its style plugin the game still runs, in Qt's own flat look instead of Windows'.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
    grep -qx "$plugin" <<<"$from_folder" || fail "the game did not load $plugin from its folder"
done
printf '    loads exactly its %d libraries and plugins\n' "$(wc -l <<<"$carried")"

step "Starting the portable folder without its platform plugin"
cp -r "$folder" "$work/broken"
rm "$work/broken/platforms/qwindows.dll"
timeout 60 "$wine" "$work/broken/Ombrix.exe" >"$work/broken.out" 2>"$work/broken.err" &
game=$!
# Qt puts up a box of its own first, with its last words alone; ours follows with the rest.
# The second has the first one's name: each is gone before the next is looked for.
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
wait_for_game "$game"
[ "$status" = 1 ] || fail "without its plugin the game exited with $status, not 1"
echo "    two boxes say why, and the game exits with status 1"

step "Reading the exe's version record and the programs' manifests"
"$binaries" record "$folder/Ombrix.exe" "$version"
"$binaries" invoker "$folder/Ombrix.exe" "$setup"

step "Installing silently for this user"
"$wine" "$setup" /S || fail "the installer, run with /S, ended with status $?"
installed="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Ombrix' -type d | head -n1)"
[ -n "$installed" ] || fail "the installer put no Ombrix folder under the user's programs"
expected="$( (cd "$folder" && find . -type f && echo ./Uninstall.exe) | sort)"
actual="$(cd "$installed" && find . -type f | sort)"
[ "$expected" = "$actual" ] ||
    fail "the installed files differ from the zip's:$(diff <(echo "$expected") <(echo "$actual") || true)"
shortcut="$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Ombrix.lnk' | head -n1)"
[ -n "$shortcut" ] || fail "no Start-menu entry"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrix'
entry="$("$wine" reg query "$key" 2>&1 | tr -d '\r')" ||
    fail "the installer made no Apps & features entry: $key: $entry"
# What Settings shows and needs: the name, version, publisher and icon, and an uninstaller
# it can run; no Modify or Repair button that would lead nowhere.
for value in "DisplayName    REG_SZ    Ombrix" "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    The Ombrix developers" "DisplayIcon    REG_SZ    .*\\\\Ombrix.exe,0" \
    "UninstallString    REG_SZ    \".*\\\\Uninstall.exe\"" "NoModify    REG_DWORD    0x1" \
    "NoRepair    REG_DWORD    0x1"; do
    grep -q -- "^ *$value" <<<"$entry" || fail "the Apps & features entry lacks '$value':$entry"
done
mapfile -t shipped < <(find "$installed" -iname '*.exe' -o -iname '*.dll')
"$binaries" stripped "${shipped[@]}"
"$binaries" invoker "$installed/Uninstall.exe"
echo "    $(wc -l <<<"$actual") files, the Start-menu entry and the Apps & features entry"
# The entry a player clicks, not the exe beside it. The shell that opens it does not wait
# for the game: the server ends once the game has.
play_and_close "$work/installed.log" start /unix "$shortcut"
"$wineserver" -w
# Wine's trace doubles each backslash of a path.
grep -q 'Loaded L"[^"]*\\\\Programs\\\\Ombrix\\\\Ombrix.exe"' "$work/installed.log" ||
    fail "the Start-menu entry did not start the installed Ombrix.exe; see $work/installed.log"
echo "    the Start-menu entry starts the installed game, which shows its window and closes"

step "Uninstalling silently, as Apps & features would"
uninstall="$(sed -n 's/^ *UninstallString *REG_SZ *"\(.*\)"$/\1/p' <<<"$entry")"
[ -n "$uninstall" ] || fail "the Apps & features entry names no uninstaller:$entry"
"$wine" "$uninstall" /S ||
    fail "the uninstaller that the Apps & features entry names ended with status $?: $uninstall"
# The uninstaller runs on from a copy of itself: the server ends once it is done.
"$wineserver" -w
[ ! -e "$installed" ] || fail "the uninstaller left: $(cd "$installed" && find . | head)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
if "$wine" reg query "$key" >/dev/null 2>&1; then
    fail "the uninstaller left the Apps & features entry"
fi
echo "    every file, the Start-menu entry and the Apps & features entry are gone"

step "Running the test kit through Wine's cmd, as a person would on Windows"
unzip -q "$kit" -d "$work/kit"
kit_folder="$work/kit/$(basename "$kit" .zip)"
mapfile -t shipped < <(find "$kit_folder" -iname '*.exe' -o -iname '*.dll')
"$binaries" stripped "${shipped[@]}"
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
