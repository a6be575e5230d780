#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ctest's summary comes last.
# ./scripts/test.sh             the optimised build
# ./scripts/test.sh --sanitize  the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

preset=default
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
# The window tests need no display.
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
