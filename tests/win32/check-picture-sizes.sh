#!/usr/bin/env bash
# Each picture the Windows build draws (the windows' pictures, the installer's side and header
# pictures) comes from an SVG drawn for that very size, not from a smaller one blown up: the SVG's
# own width and height are the bitmap's.
# check-picture-sizes.sh SVG WIDTH HEIGHT [SVG WIDTH HEIGHT]…
set -euo pipefail
status=0
while [ $# -ge 3 ]; do
    svg=$1 width=$2 height=$3
    shift 3
    # The attributes of the <svg> element, which may span lines.
    element=$(tr '\n' ' ' <"$svg" | grep -o '<svg[^>]*>')
    own_width=$(sed -n 's/.* width="\([0-9.]*\)".*/\1/p' <<<"$element")
    own_height=$(sed -n 's/.* height="\([0-9.]*\)".*/\1/p' <<<"$element")
    if [ "$own_width" = "$width" ] && [ "$own_height" = "$height" ]; then
        echo "$(basename "$svg"): ${width}×${height}"
    else
        echo "FAIL: $(basename "$svg") is ${own_width}×${own_height}, drawn at ${width}×${height}"
        status=1
    fi
done
exit $status
