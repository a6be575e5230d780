#!/usr/bin/env bash
# Installs what is missing and builds the Windows program: dist/windows/ou.exe, one 32-bit x86
# program that needs no DLL beyond Windows' own, its console companion dist/windows/ou.com (the
# command line for cmd), and dist/windows/ou-setup.exe, the installer of both.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-env.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
# The artwork is rendered at build time by a Linux tool.
configure_default_build
build_render_svg
configure_windows_build build-win32 cmake/mingw-i686.cmake
if ! has_target build-win32 ou; then
    echo "There is no Windows program to package yet: the sources have no ou target for Windows."
    exit 1
fi
cmake --build build-win32 -j2 --target ou ou_console

mkdir -p dist/windows
program=$(windows_program build-win32)
i686-w64-mingw32-strip -o dist/windows/ou.exe "$program"
i686-w64-mingw32-strip -o dist/windows/ou.com "${program%.exe}.com"
for file in dist/windows/ou.exe dist/windows/ou.com; do
    i686-w64-mingw32-objdump -f "$file" | grep -q 'file format pei-i386' ||
        { echo "$file is not a 32-bit x86 program"; exit 1; }
done
tests/crossbuild/check-imports.sh i686-w64-mingw32-objdump dist/windows/ou.exe >/dev/null
tests/crossbuild/check-imports.sh i686-w64-mingw32-objdump dist/windows/ou.com CUI >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win32/CMakeCache.txt)
# The build draws the icon and the installer's pictures beside the program.
makensis -V2 -DEXE="$PWD/dist/windows/ou.exe" -DCONSOLE="$PWD/dist/windows/ou.com" \
    -DVERSION="$version" -DARTWORK="$PWD/$(dirname "$program")" \
    -DOUTFILE="$PWD/dist/windows/ou-setup.exe" installer/ou.nsi
ls -l dist/windows/ou.exe dist/windows/ou.com dist/windows/ou-setup.exe
