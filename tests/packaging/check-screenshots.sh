#!/usr/bin/env bash
# The AppStream metadata lists the README's pictures of the Linux program (not those of the
# Windows one) once it is told where they are published, and stays valid either way.
#   check-screenshots.sh SOURCE-DIR
set -euo pipefail
source=$1
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

write() { # URL OUTPUT
    cmake -DTEMPLATE="$source/packaging/linux/ou.metainfo.xml.in" -DOUTPUT="$2" -DID=org.example.ou \
        -DVERSION=1.2.3 -DDATE=2001-02-03 -DSCREENSHOT_URL="$1" \
        -P "$source/packaging/linux/metainfo.cmake"
}

write "" "$dir/plain.xml"
appstreamcli validate --no-net "$dir/plain.xml" >/dev/null || fail "invalid without screenshots"
! grep -q '<screenshot' "$dir/plain.xml" || fail "screenshots without an address to find them at"

url=https://example.org/ou/docs/
write "$url" "$dir/shots.xml"
appstreamcli validate --no-net "$dir/shots.xml" || fail "invalid with screenshots"
grep -q '<release version="1.2.3" date="2001-02-03"/>' "$dir/shots.xml" || fail "release"
listed=$(sed -n "s|.*<image>${url}\(.*\)</image>.*|\1|p" "$dir/shots.xml")
shown=$(sed -n 's/^!\[.*\](docs\/\(.*\.png\))$/\1/p' "$source/README.md" | grep -v '^windows-')
[ -n "$shown" ] || fail "the README shows no pictures"
diff <(echo "$shown") <(echo "$listed") || fail "the screenshots are not the README's pictures"
for picture in $listed; do
    [ -f "$source/docs/$picture" ] || fail "no docs/$picture"
done
[ "$(grep -c '<screenshot type="default">' "$dir/shots.xml")" -eq 1 ] || fail "one default screenshot"
sed -n '/<screenshot type="default">/,/<\/screenshot>/p' "$dir/shots.xml" |
    grep -q "<image>$url$(head -1 <<<"$shown")</image>" || fail "the README's first picture is not the default"
echo "the screenshots are the README's pictures"
