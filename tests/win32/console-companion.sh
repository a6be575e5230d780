#!/usr/bin/env bash
# ou.com, the console companion of ou.exe, run with its standard handles redirected as a script
# or cmd's "ou … > file" runs it: it prints the version and the help as UTF-8, computes a table
# byte for byte as ou.exe's "--csv" does, to a file or to standard output ("-"), fails with the
# exit codes and messages of ou.exe, and hands everything with a window to the ou.exe beside it
# with the arguments as given (here a stand-in that records them).
# console-companion.sh OU.COM OU.EXE RECORDER.exe VERSION WINE...
set -euo pipefail
console=$1 window=$2 recorder=$3 version=$4
shift 4
wine=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export WINEDEBUG=-all
# Wine passes the arguments and file names on in the Linux locale's character set: UTF-8 here,
# whatever locale ctest was started in.
export LC_ALL=C.UTF-8

fail() {
    echo "FAIL: $*"
    exit 1
}

stage='format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\nC1 = 10\nC2 = 10\n'
stage+='C3 = 100\nC4 = 1\nC5 = 1\nRin = 10\nf1 = 1\n'
printf "${stage}k0 = 1E5\nfrom = 10\nto = 1E5\nstep = 999.5\n" >'каскад 1.ou'
# A sweep through 0 Hz: the calculation stops on a division by zero.
printf "${stage}k0 = 1\nfrom = -20\nto = 20\nstep = 10\n" >'через 0.ou'

# run NAME PROGRAM EXIT ARGUMENT…: the program's standard output into NAME.out, its errors into
# NAME.err; it must end with EXIT.
run() {
    local name=$1 program=$2 exit=$3 status=0
    shift 3
    "${wine[@]}" "$program" "$@" <"$scratch/empty" >"$name.out" 2>"$name.err" || status=$?
    [ "$status" = "$exit" ] || fail "$name: exit $status instead of $exit: $(cat "$name.err")"
}
: >empty

run version "$console" 0 --version
cmp -s version.out <(printf 'ou %s\n' "$version") || fail "--version printed: $(cat version.out)"

run help "$console" 0 --help
iconv -f UTF-8 -t UTF-8 help.out >/dev/null || fail "--help is not UTF-8"
grep -q '^Использование:' help.out || fail "--help printed no Cyrillic usage: $(cat help.out)"
# Bytes as they are, never through a text mode that would make each LF (and a CSV's CRLF) longer.
! grep -q $'\r' help.out || fail "--help came through a text mode: CR before LF"
run help-window "$window" 0 --help
cmp -s help.out help-window.out || fail "ou.com --help printed other bytes than ou.exe --help"

# Failures: the same exit, the same message, no table.
failures=("missing 2 нет.ou" "floating-point 1 через 0.ou")
for failure in "${failures[@]}"; do
    read -r name exit file <<<"$failure"
    run "$name" "$console" "$exit" --csv таблица.csv "$file"
    run "$name-window" "$window" "$exit" --csv таблица.csv "$file"
    [ -s "$name.err" ] || fail "$name: no message"
    cmp -s "$name.err" "$name-window.err" ||
        fail "$name: $(cat "$name.err") ≠ $(cat "$name-window.err")"
    [ ! -e таблица.csv ] || fail "$name: a table was written"
done

run table "$console" 0 --csv 'таблица 1.csv' 'каскад 1.ou'
run table-window "$window" 0 --csv 'таблица 2.csv' 'каскад 1.ou'
cmp -s 'таблица 1.csv' 'таблица 2.csv' || fail "ou.com and ou.exe wrote different tables"
[ "$(grep -c $'\r$' 'таблица 1.csv')" -gt 100 ] || fail "the table has no CRLF line ends"
# "-": the same bytes to standard output, its CRLF line ends as they are (no text mode).
run table-out "$console" 0 --csv - 'каскад 1.ou'
cmp -s table-out.out 'таблица 1.csv' || fail "ou.com --csv - wrote other bytes than to a file"
run table-out-window "$window" 0 --csv - 'каскад 1.ou'
cmp -s table-out-window.out 'таблица 1.csv' || fail "ou.exe --csv - wrote other bytes than to a file"

# Everything with a window goes to the ou.exe beside ou.com, with the arguments as given.
mkdir 'папка ОУ'
cp "$console" 'папка ОУ/ou.com'
cp "$recorder" 'папка ОУ/ou.exe'
handed_on() { # ARGUMENT…: what ou.exe must record
    rm -f 'папка ОУ/arguments.txt'
    run start 'папка ОУ/ou.com' 0 "$@"
    for _ in $(seq 100); do
        [ -e 'папка ОУ/arguments.txt' ] && break
        sleep 0.1
    done
    [ -e 'папка ОУ/arguments.txt' ] || fail "ou.com $* did not start ou.exe"
    if [ $# = 0 ]; then : >expected; else printf '%s\n' "$@" >expected; fi
    cmp -s 'папка ОУ/arguments.txt' expected ||
        fail "ou.com $* handed on: $(cat 'папка ОУ/arguments.txt')"
}
handed_on
handed_on 'каскад 1.ou'
handed_on -- '-каскад.ou'
echo "ou.com prints, computes, fails and hands on as it should"
