#!/usr/bin/env bash
# Starts the real program under Xvfb, types a typical circuit and sweep as a user would, presses
# "расчет" and saves pictures of the windows into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
cmake --preset default >/dev/null
cmake --build --preset default --target ou

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
./build/ui/ou &
program=$!
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
sleep 2

# No window manager runs, so the windows stand without frames at their laid-out positions and
# the keyboard follows the pointer. Main window's client area: (137, 114).
main_x=137 main_y=114
click() { xdotool mousemove $((main_x + $1)) $((main_y + $2)) click 1; sleep 0.2; }
type_text() { xdotool type --delay 30 "$1"; }

# Parameter grid: column 1 starts at x = 424 + 92; rows 24 px from y = 32.
values=(100 1000 1 99 1000 10 10 100 1 1 100000 10 1)
for row in $(seq 1 13); do
    click 570 $((32 + row * 24 + 12))
    type_text "${values[row - 1]}"
    xdotool key Return
done
click 444 458 && type_text 10
click 528 458 && type_text 100000
click 608 458 && type_text 1000
click 448 536 # расчет
sleep 1

mkdir -p docs
import -window root -crop 871x557+${main_x}+${main_y} +repage docs/main-window.png
echo "saved docs/main-window.png"
