#!/usr/bin/env bash
# Starts the real program under Xvfb, types a typical circuit and sweep as a user would, presses
# "расчет" and saves pictures of the windows, and of the graph's readout under the pointer, into
# docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
configure_default_build
cmake --build --preset default --target ou

# The first free display from :97, so that another Xvfb on the machine does not get in the way.
display_number=97
while [ -e /tmp/.X$display_number-lock ]; do display_number=$((display_number + 1)); done
display=:$display_number
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
program=
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
sleep 1

# No window manager runs, so the windows stand without frames at their laid-out positions and
# the keyboard follows the pointer. Client areas: main (137, 114) under its menu bar, graph
# (202, 71), help (192, 114).
main_x=137 main_y=114
click() { xdotool mousemove $((main_x + $1)) $((main_y + $2)) click 1; sleep 0.3; }
type_text() { xdotool type --delay 30 "$1"; }
shot() { import -window root -crop "$1" +repage "docs/$2"; echo "saved docs/$2"; }

# Starts the program and calculates a typical stage: rows of the parameter grid are 24 px apart.
source scripts/typical-stage.sh
start_and_calculate() {
    ./build/ui/qt/ou "$@" &
    program=$!
    sleep 2
    # The controls stand under the menu bar: the window is taller than the laid-out 557 px by it.
    local height
    height=$(xdotool search --sync --name 'ОУ$' getwindowgeometry | sed -n 's/.*Geometry: [0-9]*x//p')
    main_y=$((114 + height - 557))
    type_typical_stage 24
}

mkdir -p docs
start_and_calculate
shot 871x$((557 + main_y - 114))+137+114 main-window.png
click 536 536 # график, ratio over frequency
sleep 1
shot 763x534+202+71 graph-ratio.png
# The readout: the pointer just above the curve, the tooltip beside it naming the point
# nearest the pointer horizontally.
graph_x=202 graph_y=71
xdotool mousemove $((graph_x + 240)) $((graph_y + 390))
sleep 0.3
xdotool mousemove $((graph_x + 245)) $((graph_y + 393))
sleep 1
shot 763x534+202+71 graph-readout.png
click 608 536 # ??
sleep 1
shot 698x446+192+114 help-window.png
kill $program
sleep 1

# The graph window keeps its picture until it is next painted: a fresh start shows the other mode.
start_and_calculate
click 500 500 # логарифм. шкала
click 536 536 # график
sleep 1
shot 763x534+202+71 graph-decibels.png
kill $program
sleep 1

# Two curves side by side: a sweep by decades in the decibel mode, the curve kept, R4 changed.
stage=$(mktemp --suffix=.ou)
printf 'format = ou-stage 1\nlog_scale = 1\nsweep = decade\n' >"$stage"
start_and_calculate "$stage"
click 608 458 && xdotool key ctrl+a && type_text 20 # points per decade
click 448 536 # расчет
click 536 536 # график
sleep 1
graph_x=202 graph_y=71
xdotool mousemove $((graph_x + 600)) $((graph_y + 450)) click 3
sleep 0.5
xdotool key Down Down Down Down Return # Запомнить кривую
sleep 0.3
# The graph window covers the grid: out of the way while R4 is typed, then back.
graph=$(xdotool search --name '^график$' | head -n 1)
xdotool windowmove "$graph" $graph_x 1000
sleep 0.3
click 570 $((32 + 4 * 24 + 12)) # R4
type_text 150
xdotool key Return
click 448 536 # расчет
xdotool windowmove "$graph" $graph_x $graph_y
sleep 1
shot 763x534+202+71 graph-two-curves.png
rm -f "$stage"
