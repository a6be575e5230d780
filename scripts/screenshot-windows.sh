#!/usr/bin/env bash
# Builds ou.exe, starts it under wine on a virtual display, types a typical circuit and sweep as a
# user would (the values of scripts/screenshot.sh), and saves pictures of the Windows windows into
# docs/windows-*.png.
#
# The program runs as on the Windows of its users: a Russian locale (so "MS Sans Serif" is wine's
# Cyrillic bitmap font and the decimal separator is a comma), wine's own fonts in C:\Windows\Fonts
# (Debian installs them outside the prefix), and window frames drawn by wine itself, since no
# window manager runs on the virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-env.sh

ensure_packages "${BUILD_PACKAGES[@]}" g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
    wine wine64 fonts-wine xvfb xdotool imagemagick
ensure_russian_locale

# The artwork is drawn by a Linux tool; the program is the build that wine runs here: the shipped
# 32-bit one where this kernel runs 32-bit programs, else the 64-bit build of the same sources.
configure_default_build
cmake --build --preset default --target render-svg
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    build=build-win32 toolchain=cmake/mingw-i686.cmake wine_loader=/usr/lib/wine/wine
else
    build=build-win64 toolchain=cmake/mingw-x86_64.cmake wine_loader=/usr/lib/wine/wine64
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOU_WARNINGS_AS_ERRORS=ON -DOU_RENDER_SVG="$PWD/build/tools/render-svg/render-svg" >/dev/null
cmake --build "$build" -j2 --target ou
program=$PWD/$build/ui/win32/ou.exe

display=:96
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display WINEDEBUG=-all WINEPREFIX=$HOME/.wine-ou-screenshots
# The tools here read window titles in UTF-8; wine alone is told the Russian locale.
export LC_ALL=C.UTF-8
wine() { LC_ALL=ru_RU.UTF-8 "$wine_loader" "$@"; }
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver32
ou=
trap 'kill $ou 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the wine prefix $WINEPREFIX"
    # Without the 32-bit half wine reports a failure it recovers from; the prefix is made.
    wine wineboot -i </dev/null >/dev/null 2>&1 || true
    "$wineserver" -w
fi
link_wine_fonts
"$wineserver" -p
# The prefix's services start with the first program; started here, they hold no script's output.
wine wineboot </dev/null >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1

# A window's client area on the screen: wine draws a frame of equal width left, right and below,
# and the caption above.
client_origin() { # caption client-width client-height → "x y"
    local id= candidate
    for _ in $(seq 50); do
        for candidate in $(xdotool search --onlyvisible --class ou.exe); do
            [ "$(xdotool getwindowname "$candidate")" = "$1" ] && id=$candidate
        done
        [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "no window \"$1\"" >&2; return 1; }
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$id")"
    local border=$(((WIDTH - $2) / 2))
    echo "$((X + border)) $((Y + HEIGHT - $3 - border))"
}
click() { xdotool mousemove $((main_x + $1)) $((main_y + $2)) click 1; sleep 0.3; }
type_text() { xdotool type --delay 30 "$1"; }
shot() { # caption width height file [pixels above the client area: the menu bar]
    local origin above=${5:-0}
    origin=($(client_origin "$1" "$2" "$3"))
    xdotool mousemove 1270 1010
    sleep 0.5
    import -window root -crop "$2x$(($3 + above))+${origin[0]}+$((origin[1] - above))" +repage \
        "docs/$4"
    echo "saved docs/$4"
}

LC_ALL=ru_RU.UTF-8 "$wine_loader" "$program" </dev/null >/dev/null 2>&1 &
ou=$!
read -r main_x main_y < <(client_origin "ОУ" 871 557)
sleep 1

# Rows of the parameter grid are 25 px apart: 24 and a grid line.
source scripts/typical-stage.sh
type_typical_stage 25

mkdir -p docs
shot "ОУ" 871 557 windows-main-window.png 19 # with its menu bar
click 536 536 # график, ratio over frequency
sleep 1
shot "график" 763 534 windows-graph-ratio.png
click 500 500 # логарифм. шкала
click 536 536 # график again: decibels over log10 of frequency
sleep 1
shot "график" 763 534 windows-graph-decibels.png
click 608 536 # ??
sleep 1
shot "Справка" 698 446 windows-help-window.png
