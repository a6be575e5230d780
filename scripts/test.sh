#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ctest's summary comes last.
# ./scripts/test.sh             the optimised build
# ./scripts/test.sh --sanitize  the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
# ./scripts/test.sh --windows   the Windows build under wine: the shipped 32-bit one where this
#                               kernel runs 32-bit programs, else the 64-bit build of the same
#                               sources; the numbers compared bit for bit with the Linux build;
#                               further arguments go to ctest (-R StartUp: those tests alone)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

if [ "${1:-}" = "--windows" ]; then
    source scripts/windows-env.sh
    ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    # The Linux side: the numbers to compare with and the tool that renders the artwork.
    configure_default_build
    cmake --build --preset default --target numbers_dump
    build_render_svg

    choose_windows_build
    configure_windows_build "$WINDOWS_BUILD" "$WINDOWS_TOOLCHAIN" \
        -DOU_LINUX_NUMBERS_DUMP="$PWD/build/tests/crossbuild/numbers_dump"
    cmake --build "$WINDOWS_BUILD" -j2
    if [ "$WINDOWS_BITS" = 64 ]; then
        # The shipped program is 32-bit: compile it and the core that way too, though neither
        # can run here.
        configure_windows_build build-win32 cmake/mingw-i686.cmake
        if has_target build-win32 ou; then
            cmake --build build-win32 -j2 --target ou ou_console numbers_dump
            program=$(windows_program build-win32)
            tests/crossbuild/check-imports.sh i686-w64-mingw32-objdump "$program"
            tests/crossbuild/check-imports.sh i686-w64-mingw32-objdump "${program%.exe}.com" CUI
        else
            cmake --build build-win32 -j2 --target numbers_dump
        fi
    fi

    start_xvfb
    start_wine
    if [ "$WINDOWS_BITS" = 64 ]; then
        echo "This kernel refuses 32-bit programs: testing the 64-bit build under $WINE"
    else
        echo "Testing the 32-bit build under $WINE"
    fi
    # Wine's desktop started once, holding no test's output (tests/win32/HoldDesktop.cpp); the
    # tests wait until it is up, lest the first of them start it after all.
    holder=$(find "$WINDOWS_BUILD" -name hold_desktop.exe -not -path '*/CMakeFiles/*' | head -n 1)
    if [ -n "$holder" ]; then
        desktop_up=$(mktemp -u)
        "$WINE" "$holder" "$(winepath -w "$desktop_up" 2>/dev/null)" </dev/null >/dev/null 2>&1 &
        at_exit "kill $! 2>/dev/null; rm -f '$desktop_up'"
        for _ in $(seq 300); do
            [ -e "$desktop_up" ] && break
            sleep 0.1
        done
        [ -e "$desktop_up" ] || echo "wine's desktop did not come up in 30 s; the tests start it"
    fi
    cd "$WINDOWS_BUILD"
    # Now and then wine fails to start a test program at all (no output, no test run): such a
    # test is run once more.
    ctest --output-on-failure --repeat until-pass:2 "${@:2}"
    exit
fi

preset=default
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}" "${ACCESSIBILITY_PACKAGES[@]}"
if [ "$preset" = default ]; then
    configure_default_build
else
    cmake --preset "$preset" >/dev/null
fi
cmake --build --preset "$preset"
# The window tests need no display.
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
