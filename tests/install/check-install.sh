#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find the program:
# the executable, its menu entry pointing at it, and the icon the entry names.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/ou" ] || fail "no executable bin/ou"
entry="$prefix/share/applications/ou.desktop"
[ -f "$entry" ] || fail "no menu entry"
grep -qx 'Name=ОУ' "$entry" || fail "menu entry is not named ОУ"
grep -qx 'Exec=ou %f' "$entry" || fail "menu entry does not start ou"
grep -q '^Categories=.*Education;.*Science;.*Electronics;' "$entry" || fail "categories"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate"
fi
echo "installed layout is complete"
