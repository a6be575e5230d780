#!/usr/bin/env bash
# Installs what is missing, builds the program with Debian's compiler flags and makes the Debian
# package dist/linux/ou_<version>_<architecture>.deb with CPack, from the same install rules as
# `cmake --install`; lintian checks it.
# ./scripts/package.sh         build and check the package
# ./scripts/package.sh --try   then install it into a throw-away Debian 12 made by debootstrap,
#                              start it there and remove it; where debootstrap cannot reach the
#                              mirror or run, into a scratch dpkg root instead
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
# Optimised, hardened, and without this machine's paths in the binary.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOU_WARNINGS_AS_ERRORS=ON \
    -DOU_BUILD_TESTS=OFF -DOU_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-deb -j2
rm -rf build-deb/package
cpack --config build-deb/CPackConfig.cmake -B build-deb/package
deb=$(ls build-deb/package/*.deb)
mkdir -p dist/linux
cp "$deb" dist/linux/
deb=dist/linux/$(basename "$deb")

echo "lintian $deb"
lintian --fail-on error "$deb"
echo "built $deb"

if [ "${1:-}" = "--try" ]; then
    status=0
    tests/packaging/install-package.sh "$deb" debian12 build-deb/debootstrap-cache || status=$?
    if [ "$status" -eq 77 ]; then
        echo "no Debian 12 root could be made: installing into a scratch dpkg root instead"
        tests/packaging/install-package.sh "$deb" dpkg-root
    elif [ "$status" -ne 0 ]; then
        exit "$status"
    fi
fi
