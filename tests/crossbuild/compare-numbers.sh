#!/usr/bin/env bash
# Runs the numbers dump of the Linux build and of the Windows build (under wine) and fails on any
# byte that differs, showing the first differing lines.
# compare-numbers.sh LINUX_DUMP WINE... WINDOWS_DUMP.exe
set -euo pipefail
linux_dump=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$linux_dump" >"$scratch/linux.txt" || { echo "FAIL: $linux_dump failed"; exit 1; }
"$@" >"$scratch/windows.txt" || { echo "FAIL: $* failed"; exit 1; }

lines=$(wc -l <"$scratch/linux.txt")
# A dump cut short would compare equal to nothing useful.
if [ "$lines" -lt 5000 ]; then
    echo "FAIL: the Linux dump has only $lines lines"
    exit 1
fi
if ! cmp "$scratch/linux.txt" "$scratch/windows.txt"; then
    echo "FAIL: the Windows build computes different numbers from the Linux build"
    echo "(< Linux, > Windows; the first 20 differences)"
    diff "$scratch/linux.txt" "$scratch/windows.txt" | grep '^[<>]' | head -20
    exit 1
fi
echo "$lines results identical, bit for bit:"
cut -d' ' -f1 "$scratch/linux.txt" | sort | uniq -c
