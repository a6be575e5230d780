#!/bin/sh
# Every Russian text the user reads stands in the catalogue, app/texts/: no other source of the
# program, in any folder of the core or the fronts, holds a string literal with a Cyrillic letter
# (comments may quote texts). The Qt Designer layouts are checked against the catalogue by the
# window tests.
# Usage: check-texts.sh SOURCE_DIR
cd "${1:?usage: check-texts.sh SOURCE_DIR}" || exit 2
export LC_ALL=C.UTF-8
status=0
for file in $(find numerics plot calc analysis app ui tools -name '*.cpp' -o -name '*.h' |
    grep -v -e '^app/texts/' | sort); do
    # A comment may quote what the user reads; a literal may not hold it.
    hits=$(sed 's#//.*$##' "$file" | grep -nP '"[^"]*\p{Cyrillic}')
    if [ -n "$hits" ]; then
        echo "$hits" | sed "s#^#$file:#"
        status=1
    fi
done
[ $status = 0 ] || echo "Russian text outside the catalogue (above): name it in app/texts/Texts.h"
exit $status
