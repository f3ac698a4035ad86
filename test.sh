#!/usr/bin/env bash
# Installs what is missing, builds Ombrix with its tests and runs the whole suite headless:
# once as shipped, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen

install_missing "${game_packages[@]}" "${test_packages[@]}"

build_linux
step "Running the test suite"
ctest --test-dir "$linux_build" --output-on-failure --parallel 2

sanitized="$root/build-sanitize"
configure "$sanitized" -DOMBRIX_BUILD_TESTS=ON -DOMBRIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
build "$sanitized"
step "Running the test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$sanitized" --output-on-failure --parallel 2
