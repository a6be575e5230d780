#!/bin/sh
# The window-free core (numerics/, plot/, calc/, analysis/ and every room of app/, a new one too)
# never includes a toolkit's or the platform's header: a Qt header (<QString>, <QtCore/QString>,
# <QtWidgets>) or a Windows one. Checked folder by folder; each offending line is named with its
# file and line number.
# Usage: check-core-includes.sh SOURCE_DIR
cd "${1:?usage: check-core-includes.sh SOURCE_DIR}" || exit 2
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]'
qt="${include}Q[A-Za-z0-9_]*(/[^>\"]*)?[>\"]"
windows="${include}(windows|windef|winbase|winuser|commctrl|windowsx)\.h[>\"]"
status=0
for dir in numerics plot calc analysis $(find app -mindepth 1 -type d | sort); do
    [ -d "$dir" ] || { echo "$dir/: no such folder"; status=1; continue; }
    hits=$(grep -rnE "$qt" "$dir"; grep -rniE "$windows" "$dir")
    if [ -n "$hits" ]; then
        echo "$hits"
        echo "$dir/ includes a platform header (above): keep toolkit code in ui/"
        status=1
    fi
done
exit $status
