#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}"
configure_default_build
cmake --build --preset default --target ou
exec ./build/ui/qt/ou "$@"
