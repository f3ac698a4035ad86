#!/usr/bin/env bash
# The whole Linux suite on Debian 13 as a new machine runs it: clones the commit into a clean
# Debian 13 root and runs test.sh there, which installs what it needs, builds, and passes the
# suite twice, the second time under the sanitizers. Then checks the game under Wayland there.
# Tests the commit, not uncommitted changes. The Wayland pictures are kept in
# build-debian13/wayland/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/debian-root.sh"

install_missing git
work="$(mktemp -d)"
trap 'leave_root "$work/root" && rmdir "$work"' EXIT
enter_root trixie "$work/root"
git clone --quiet --no-local "$root" "$work/root/root/ombrix"
step "Debian 13: test.sh in a clean root"
in_root "$work/root" bash /root/ombrix/test.sh
step "Debian 13: the game under Wayland"
status=0
in_root "$work/root" bash /root/ombrix/scripts/wayland-checks.sh /root/ombrix/build || status=$?
rm -rf "$root/build-debian13"
mkdir -p "$root/build-debian13"
cp -r "$work/root/root/ombrix/build/wayland" "$root/build-debian13/"
exit "$status"
