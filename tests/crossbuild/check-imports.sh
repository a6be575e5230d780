#!/usr/bin/env bash
# ou.exe and ou.com must start on a bare Windows: a GUI program (ou.com a console one) whose every
# DLL comes with Windows, the C++ and GCC runtimes and the threads library linked in; a 32-bit one
# must be large-address-aware, or it has only 2 GB of addresses for a table of millions of rows
# and its copy.
# check-imports.sh OBJDUMP PROGRAM.exe [GUI|CUI]     (the subsystem, GUI unless told)
set -euo pipefail
objdump=$1 program=$2 subsystem=${3:-GUI}

headers=$("$objdump" -p "$program")
if ! grep -q "Subsystem.*(Windows $subsystem)" <<<"$headers"; then
    echo "FAIL: $program is not a Windows $subsystem program"
    exit 1
fi

if grep -q '^architecture: i386,' < <("$objdump" -f "$program") &&
    ! grep -q 'large address aware' <<<"$headers"; then
    echo "FAIL: $program is a 32-bit program that is not large-address-aware"
    exit 1
fi

# The DLLs of Windows itself that such a program may use; anything else would have to ship
# beside it.
windows_dlls='kernel32|user32|gdi32|gdiplus|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32'
windows_dlls+='|uxtheme|dwmapi|imm32|winmm|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+'
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ -n "$dlls" ] || { echo "FAIL: no imported DLLs found in $program"; exit 1; }
status=0
while read -r dll; do
    if grep -qixE "($windows_dlls)\.dll" <<<"$dll"; then
        echo "imports $dll"
    else
        echo "FAIL: $program needs $dll, which Windows does not have"
        status=1
    fi
done <<<"$dlls"
exit $status
