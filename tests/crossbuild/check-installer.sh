#!/usr/bin/env bash
# Makes the installer around the given program, installs it silently under wine, checks what a
# Windows user and Windows itself would find (the program and its console companion, the
# Start-menu entry "ОУ", .ou files opened by it, the uninstaller registered under Uninstall\OU,
# the program's folder once at the end of the user's PATH), then uninstalls silently and checks
# that all of it is gone, the program's own settings (HKCU\Software\OU) too, the PATH as it was.
# A second round gives .ou to another program and adds to the PATH before uninstalling: the
# uninstaller must leave that program's claim and the new PATH entry alone.
# check-installer.sh INSTALLER.nsi PROGRAM.exe CONSOLE.com VERSION 32|64 WINE...
# A 64-bit build gets the installer made as a 64-bit program, so that it runs where wine cannot
# run 32-bit programs; the shipped one is 32-bit. The icon and the pictures the build drew beside
# the program go into the installer as build-windows.sh puts them.
set -euo pipefail
script=$1 program=$2 console=$3 version=$4 bits=$5
shift 5
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
artwork=$(dirname "$program")
[ ! -f "$artwork/ou.ico" ] || nsis_options+=(-DARTWORK="$artwork")
makensis -V2 "${nsis_options[@]}" -DEXE="$program" -DCONSOLE="$console" -DVERSION="$version" \
    -DOUTFILE="$scratch/ou-setup.exe" "$script" >"$scratch/makensis.log" ||
    { cat "$scratch/makensis.log"; fail "makensis"; }

export WINEDEBUG=-all
# Wine writes file names (the Start-menu entry "ОУ.lnk") in the Linux locale's character set:
# UTF-8, whatever locale ctest was started in (Debian always has C.UTF-8).
export LC_ALL=C.UTF-8
# Wine would mirror the Start-menu entry into this machine's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\OU'
extension='HKLM\Software\Classes\.ou' progid='HKLM\Software\Classes\OU.Stage'
settings='HKCU\Software\OU'
prefix=${WINEPREFIX:-$HOME/.wine}
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ОУ.lnk"

# The values of a key and of the keys under it as .reg lines in UTF-8, each after the subkey that
# holds it and a bar: |"Name"="value", \Sub|@="default value" (backslashes and quotes escaped).
registry() {
    (cd "$scratch" && "${wine[@]}" reg export "$1" ou.reg /y >/dev/null 2>&1) || return 1
    iconv -f UTF-16 -t UTF-8 "$scratch/ou.reg" | tr -d '\r' |
        awk '/^\[/ { if (!top) top = $0; sub_key = substr($0, length(top), length($0) - length(top))
                     next }
             top && NF { print sub_key "|" $0 }'
}
expect_line() {
    grep -qxF "$2" <<<"$1" || fail "no registry line $2 in: $1"
}
expect_value() { expect_line "$values" "|\"$1\"=\"$2\""; }
# The uninstaller copies itself away, starts the copy and returns at once; the folder goes last.
uninstall() {
    "${wine[@]}" "$windows_dir\\Uninstall.exe" /S || fail "the uninstaller failed"
    for _ in $(seq 300); do
        [ -e "$dir" ] || break
        sleep 0.1
    done
    [ ! -e "$dir" ] || fail "$dir is still there after uninstalling: $(ls "$dir")"
}

# The user's PATH (HKCU\Environment), or nothing when there is none; ASCII here, which reg prints
# as it is in any code page.
environment='HKCU\Environment'
user_path() {
    { "${wine[@]}" reg query "$environment" /v Path 2>/dev/null || true; } | tr -d '\r' |
        sed -n 's/^ *Path *REG_[A-Z_]* *//p'
}
set_user_path() {
    if [ -n "$1" ]; then
        "${wine[@]}" reg add "$environment" /v Path /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1
    else
        "${wine[@]}" reg delete "$environment" /v Path /f >/dev/null 2>&1 || true
    fi
}
expect_path() {
    local path
    path=$(user_path)
    [ "$path" = "$1" ] || fail "the user's PATH is \"$path\", not \"$1\" $2"
}
# The prefix's own PATH comes back whatever happens.
own_path=$(user_path)
trap 'set_user_path "$own_path"; rm -rf "$scratch"' EXIT

# Leftovers of an earlier run that failed half-way.
for leftover in "$key" "$extension" "$progid"; do
    "${wine[@]}" reg delete "$leftover" /f >/dev/null 2>&1 || true
done
rm -f "$shortcut"

set_user_path 'C:\Tools;C:\Other Tools'
"${wine[@]}" "$scratch/ou-setup.exe" /S || fail "the installer failed"
values=$(registry "$key") || fail "no uninstall key $key"
location=$(sed -n 's/^|"InstallLocation"="\(.*\)"$/\1/p' <<<"$values")
[ -n "$location" ] || fail "no InstallLocation"
windows_dir=${location//\\\\/\\} # C:\Program Files\OU
echo "installed into $windows_dir"
dir=$("${wine[@]}" winepath -u "$windows_dir" 2>/dev/null)
cmp -s "$program" "$dir/ou.exe" || fail "$dir/ou.exe is not the program"
cmp -s "$console" "$dir/ou.com" || fail "$dir/ou.com is not the console companion"
expect_path "C:\\Tools;C:\\Other Tools;$windows_dir" "after installing"
"${wine[@]}" "$scratch/ou-setup.exe" /S || fail "the installer failed the second time"
expect_path "C:\\Tools;C:\\Other Tools;$windows_dir" "after installing twice"
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
# A stage file is shown with the program's icon and opened by it.
values=$(registry "$extension") || fail "no key $extension"
expect_line "$values" '|@="OU.Stage"'
expect_line "$values" '\OpenWithProgids|"OU.Stage"=""'
values=$(registry "$progid") || fail "no key $progid"
expect_line "$values" '|@="Каскад ОУ"'
expect_line "$values" "\\DefaultIcon|@=\"\\\"$location\\\\ou.exe\\\",0\""
expect_line "$values" "\\shell\\open\\command|@=\"\\\"$location\\\\ou.exe\\\" \\\"%1\\\"\""

# The program has kept its recent files.
"${wine[@]}" reg add "$settings\Recent Files" /v 1 /d 'C:\stage.ou' /f >/dev/null 2>&1 ||
    fail "reg add"
uninstall
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there after uninstalling"
registry "$settings" >/dev/null && fail "$settings is still there after uninstalling"
expect_path 'C:\Tools;C:\Other Tools' "after uninstalling"
registry "$key" >/dev/null && fail "the uninstall key is still there after uninstalling"
registry "$extension" >/dev/null && fail "$extension is still there after uninstalling"
registry "$progid" >/dev/null && fail "$progid is still there after uninstalling"
echo "installed and uninstalled silently"

# Another program has taken .ou since, and the user has added to the PATH: their claim and entry
# stay, only ours go. A user without a PATH of their own gets one with the program's folder.
set_user_path ""
"${wine[@]}" "$scratch/ou-setup.exe" /S || fail "the installer failed"
expect_path "$windows_dir" "after installing with no PATH of the user's"
set_user_path "$windows_dir;C:\Later"
"${wine[@]}" reg add "$extension" /ve /d Other.Stage /f >/dev/null 2>&1 || fail "reg add"
uninstall
expect_path 'C:\Later' "after uninstalling"
values=$(registry "$extension") || fail "the uninstaller removed another program's $extension"
[ "$values" = '|@="Other.Stage"' ] || fail "the uninstaller left in $extension: $values"
registry "$progid" >/dev/null && fail "$progid is still there after uninstalling"
"${wine[@]}" reg delete "$extension" /f >/dev/null 2>&1

# A folder the user had in the PATH before installing is theirs: it stays.
set_user_path "$windows_dir"
"${wine[@]}" "$scratch/ou-setup.exe" /S || fail "the installer failed"
uninstall
expect_path "$windows_dir" "after uninstalling where the user had the folder in the PATH before"
echo "uninstalling leaves another program's .ou and the user's own PATH entries alone"
