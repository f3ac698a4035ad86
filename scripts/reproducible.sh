#!/usr/bin/env bash
# Checks that a commit gives the same downloads whoever builds it. Packs them from this tree's
# builds, then builds and packs them again in a clone of the commit in another folder, later,
# under another umask and time zone, and compares every file byte for byte. On a difference it
# shows what differs, with diffoscope, keeps both sets and fails.
#   reproducible.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing git diffoscope-minimal
require_committed "a clone of the commit would build something else"
work="$(mktemp -d "${TMPDIR:-/tmp}/ombrix-twice.XXXXXX")"
first="$work/first" second="$work/second"
copy="$work/another/folder/ombrix"

step "Packing the downloads of $root"
"$root/scripts/downloads.sh" "$first"

step "Building them again from a clone of commit $(git -C "$root" rev-parse --short HEAD) in $copy"
(
    umask 077
    git clone --quiet --no-local "$root" "$copy"
    TZ=Pacific/Kiritimati env -u SOURCE_DATE_EPOCH "$copy/scripts/downloads.sh" "$second"
)

step "Comparing the two sets, byte for byte"
same=1
names() { (cd "$1" && find . -type f | LC_ALL=C sort); }
if ! diff <(names "$first") <(names "$second"); then
    echo "The two builds packed different files (above)."
    same=0
fi
while read -r name; do
    [ -f "$second/$name" ] || continue
    if cmp -s "$first/$name" "$second/$name"; then
        printf '    same   %s\n' "${name#./}"
    else
        printf '    DIFFER %s\n' "${name#./}"
        diffoscope --text - --max-text-report-size 200000 "$first/$name" "$second/$name" || true
        same=0
    fi
done < <(names "$first")

if [ "$same" = 1 ]; then
    rm -rf "$work"
    step "Both builds packed the same bytes"
else
    echo "FAILED: two builds of one commit packed different downloads; both sets are kept in $work" >&2
    exit 1
fi
