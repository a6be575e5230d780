#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and runs it under wine as a Russian
# Windows runs it: a decimal comma, Cyrillic file names, wine's own Windows fonts. The 32-bit
# program where this kernel runs 32-bit programs, else the 64-bit build of the same sources.
#   ./scripts/run-windows.sh [FILE]               ou.exe: the windows, with the stage in FILE
#   ./scripts/run-windows.sh --console ARGUMENT…  ou.com: the command line (--csv, --help …)
# The wine prefix is WINEPREFIX, by default ~/.wine-ou; file names are taken from where the script
# was started.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-env.sh

program=ou.exe
if [ "${1:-}" = --console ]; then
    program=ou.com
    shift
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_russian_locale
# The artwork is rendered at build time by a Linux tool.
configure_default_build
build_render_svg
choose_windows_build
configure_windows_build "$WINDOWS_BUILD" "$WINDOWS_TOOLCHAIN"
cmake --build "$WINDOWS_BUILD" --target ou ou_console >/dev/null
program=$PWD/$(dirname "$(windows_program "$WINDOWS_BUILD")")/$program

export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$HOME/.wine-ou}
export LC_ALL=ru_RU.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the wine prefix $WINEPREFIX"
    "$WINE" wineboot -i </dev/null >/dev/null 2>&1 || true
fi
link_wine_fonts
cd "$here"
exec "$WINE" "$program" "$@"
