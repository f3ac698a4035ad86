#!/usr/bin/env bash
# Installs what is missing, builds Ombrix with its tests and runs the whole suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

install_missing
configure_and_build -DOMBRIX_BUILD_TESTS=ON
step "Running the test suite"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel 2
