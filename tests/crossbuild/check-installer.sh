#!/usr/bin/env bash
# Makes the installer around the given program, installs it silently under wine, checks what a
# Windows user and Windows itself would find (the program, the Start-menu entry "ОУ", the
# uninstaller registered under Uninstall\OU), then uninstalls silently and checks that all of it
# is gone.
# check-installer.sh INSTALLER.nsi PROGRAM.exe VERSION 32|64 WINE...
# A 64-bit build gets the installer made as a 64-bit program, so that it runs where wine cannot
# run 32-bit programs; the shipped one is 32-bit.
set -euo pipefail
script=$1 program=$2 version=$3 bits=$4
shift 4
wine=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

nsis_options=()
if [ "$bits" = 64 ]; then
    echo "testing the installer made as a 64-bit program; the shipped one is 32-bit"
    nsis_options+=(-DAMD64)
fi
makensis -V2 "${nsis_options[@]}" -DEXE="$program" -DVERSION="$version" \
    -DOUTFILE="$scratch/ou-setup.exe" "$script" >"$scratch/makensis.log" ||
    { cat "$scratch/makensis.log"; fail "makensis"; }

export WINEDEBUG=-all
# Wine would mirror the Start-menu entry into this machine's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\OU'
prefix=${WINEPREFIX:-$HOME/.wine}
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ОУ.lnk"

# The uninstall key's values as .reg lines ("Name"="value", backslashes doubled), in UTF-8.
uninstall_values() {
    (cd "$scratch" && "${wine[@]}" reg export "$key" ou.reg /y >/dev/null 2>&1) || return 1
    iconv -f UTF-16 -t UTF-8 "$scratch/ou.reg" | tr -d '\r'
}
expect_value() {
    grep -qxF "\"$1\"=\"$2\"" <<<"$values" || fail "registry value $1 is not $2"
}

# Leftovers of an earlier run that failed half-way.
"${wine[@]}" reg delete "$key" /f >/dev/null 2>&1 || true
rm -f "$shortcut"

"${wine[@]}" "$scratch/ou-setup.exe" /S || fail "the installer failed"
values=$(uninstall_values) || fail "no uninstall key $key"
location=$(sed -n 's/^"InstallLocation"="\(.*\)"$/\1/p' <<<"$values")
[ -n "$location" ] || fail "no InstallLocation"
windows_dir=${location//\\\\/\\} # C:\Program Files\OU
echo "installed into $windows_dir"
dir=$("${wine[@]}" winepath -u "$windows_dir" 2>/dev/null)
cmp -s "$program" "$dir/ou.exe" || fail "$dir/ou.exe is not the program"
[ -f "$dir/Uninstall.exe" ] || fail "no Uninstall.exe"
[ -f "$shortcut" ] || fail "no Start-menu entry ОУ.lnk"
strings "$shortcut" | grep -qF "$windows_dir\\ou.exe" ||
    fail "the Start-menu entry does not start ou.exe"
expect_value DisplayName "ОУ"
expect_value DisplayVersion "$version"
expect_value Publisher "Разработчики ОУ"
expect_value DisplayIcon "$location\\\\ou.exe,0"
expect_value UninstallString "\\\"$location\\\\Uninstall.exe\\\""
expect_value QuietUninstallString "\\\"$location\\\\Uninstall.exe\\\" /S"

# The uninstaller copies itself away, starts the copy and returns at once.
"${wine[@]}" "$windows_dir\\Uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 300); do
    [ -e "$dir" ] || break
    sleep 0.1
done
[ ! -e "$dir" ] || fail "$dir is still there after uninstalling: $(ls "$dir")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there after uninstalling"
uninstall_values >/dev/null && fail "the uninstall key is still there after uninstalling"
echo "installed and uninstalled silently"
