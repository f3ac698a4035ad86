#!/usr/bin/env bash
# Makes every download of the current commit into dist/<version>/, each one tested: the
# Debian package, the Windows zip, installer and test kit, the source, the release notes
# and SHA256SUMS. Refuses a tree with uncommitted changes, a version that the changelog has
# no entry for, and a failing test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/downloads.sh"

refuse() {
    echo "FAILED: $*. Nothing was released." >&2
    exit 1
}

install_missing git dpkg-dev
[ -e "$root/.git" ] || refuse "$root is not a clone: a release is made from a commit"
require_committed "a release is made from a commit alone. Nothing was released."

version="$(sed -n 's/^project(Ombrix VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] || refuse "CMakeLists.txt names no version in its project() line"
changelog="$root/packaging/changelog"
newest="$(dpkg-parsechangelog -l "$changelog" -S Version)"
[ "$newest" = "$version" ] ||
    refuse "packaging/changelog has no entry for $version (its newest is $newest): write there what $version brings"
commit="$(git -C "$root" rev-parse --short HEAD)"
step "Releasing Ombrix $version from commit $commit"

"$root/test.sh" || refuse "the test suite failed"
"$root/windows.sh" || refuse "the Windows build, its tests or its download checks failed"

out="$root/dist/$version"
rm -rf "$out"
mkdir -p "$out"
step "Gathering the downloads in $out"
pack_deb "$out"
# The Windows downloads that windows.sh checked under Wine.
for name in "Ombrix-$version-win64.zip" "Ombrix-$version-setup.exe" "Ombrix-$version-tests-win64.zip"; do
    cp "$root/dist/windows/$name" "$out/"
done
pack_source "$out" "$version"

# The notes are the changelog's entry, as a page.
{
    printf '# Ombrix %s\n\nReleased on %s.\n' "$version" \
        "$(date -u -d "@$(dpkg-parsechangelog -l "$changelog" -S Timestamp)" '+%-d %B %Y')"
    awk 'NR == 1 { next } /^ -- / { exit } { sub(/^  /, ""); print }' "$changelog"
    printf 'SHA256SUMS lists every download with its checksum; the README says how to check one.\n'
} >"$out/release-notes.md"

(cd "$out" && LC_ALL=C sha256sum -- * >SHA256SUMS)
step "Ombrix $version is ready in $out:"
(cd "$out" && ls -l)
