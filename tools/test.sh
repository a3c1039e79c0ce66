#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}"
build_into "$VELOMIR_ROOT/build"
cd "$VELOMIR_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
