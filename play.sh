#!/usr/bin/env bash
# Installs what is missing, builds the game alone and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

install_missing "${game_packages[@]}"
game_build="$root/build-game"
configure "$game_build" -DOMBRIX_BUILD_TESTS=OFF
build "$game_build" ombrix
step "Starting Ombrix"
exec "$game_build/app/ombrix"
