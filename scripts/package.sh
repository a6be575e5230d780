#!/usr/bin/env bash
# Installs what is missing, builds the program with Debian's compiler flags and makes the Debian
# package dist/linux/ou_<version>_<architecture>.deb with CPack, from the same install rules as
# `cmake --install`; lintian checks it. The package is made from the optimised build that
# ./scripts/test.sh tests (build/, configured the same way), so the two share one build.
# ./scripts/package.sh         build and check the package
# ./scripts/package.sh --try   then install it into a throw-away Debian 12 made by debootstrap,
#                              start it there and remove it; where debootstrap cannot reach the
#                              mirror or run, into a scratch dpkg root instead
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
configure_default_build
cmake --build --preset default
rm -rf build/package-deb
cpack --config build/CPackConfig.cmake -B build/package-deb
deb=$(ls build/package-deb/*.deb)
mkdir -p dist/linux
cp "$deb" dist/linux/
deb=dist/linux/$(basename "$deb")

echo "lintian $deb"
lintian --fail-on error "$deb"
echo "built $deb"

if [ "${1:-}" = "--try" ]; then
    status=0
    tests/packaging/install-package.sh "$deb" debian12 build/debootstrap-cache || status=$?
    if [ "$status" -eq 77 ]; then
        echo "no Debian 12 root could be made: installing into a scratch dpkg root instead"
        tests/packaging/install-package.sh "$deb" dpkg-root
    elif [ "$status" -ne 0 ]; then
        exit "$status"
    fi
fi
