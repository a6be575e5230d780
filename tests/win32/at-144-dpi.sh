#!/usr/bin/env bash
# Runs a Windows test program under wine with the display at 144 pixels per inch (150 %). Wine
# keeps one DPI for a whole prefix, read from its registry when a program starts, so these tests
# run in a prefix of their own beside the one of the other tests, made here on first use.
#   at-144-dpi.sh WINE PROGRAM.exe [ARGUMENT…]
set -euo pipefail
wine=$1
shift
export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$HOME/.wine-ou}-144dpi"
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
# A display of its own, wide enough for the main window at 150 % (1307 × 836 and its frame), as a
# monitor at that scale is.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$number_file")
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver32
# The prefix's services start here, holding no pipe of ctest's (see scripts/windows-env.sh).
# Without the 32-bit half wine reports a failure it recovers from: the test finds out.
if [ -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot </dev/null >/dev/null 2>&1 || true
else
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
fi
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    </dev/null >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
status=0
"$wine" "$@" || status=$?
"$wineserver" -k 2>/dev/null || true
exit $status
