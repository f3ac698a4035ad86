#!/usr/bin/env bash
# Installs what is missing, builds Ombrix and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

install_missing
configure_and_build "$build"
step "Starting Ombrix"
exec "$build/app/ombrix"
