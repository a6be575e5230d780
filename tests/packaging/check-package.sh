#!/usr/bin/env bash
# Checks the .deb as apt, a desktop and Debian's tools see it: the control fields (dpkg-deb -I),
# that every library the program links is among its dependencies, the exact list of files
# (dpkg-deb -c), and what those files say.
#   check-package.sh PACKAGE.deb VERSION METAINFO-NAME SOURCE-DIR
set -euo pipefail
deb=$1 version=$2 metainfo_name=$3 source=$4
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$deb" ] || fail "no package $deb"
[ "$(basename "$deb")" = "ou_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package is named $(basename "$deb")"

# Control fields.
control=$(dpkg-deb -I "$deb" control)
field() { sed -n "s/^$1: //p" <<<"$control"; }
[ "$(field Package)" = ou ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ "$(field Section)" = electronics ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
field Maintainer | grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no synopsis"
grep -q '^ \.$' <<<"$control" || fail "the long description has no paragraphs"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

# Every library the program asks for by name comes with a package it depends on.
depends=$(field Depends | tr ',|' '\n\n' | awk '{ print $1 }')
# The package that holds a library, whichever of its names (merged /usr, symbolic links) dpkg knows.
owner_of() {
    local name
    for name in "$1" "$(realpath "$1")" "${1#/usr}" "/usr${1#/usr}"; do
        dpkg -S "$name" 2>/dev/null | head -1 | cut -d: -f1 && return 0
    done
    return 1
}
resolved=$(ldd "$tree/usr/bin/ou")
for library in $(objdump -p "$tree/usr/bin/ou" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(awk -v l="$library" '$1 == l && $2 == "=>" { print $3 }' <<<"$resolved")
    [ -n "$path" ] || fail "$library is not on this system"
    owner=$(owner_of "$path") || fail "no package holds $path"
    grep -qxF "$owner" <<<"$depends" || fail "Depends lacks $owner for $library"
done
# Qt's own Russian texts, loaded at start and not a library.
grep -qxF qt6-translations-l10n <<<"$depends" || fail "Depends lacks qt6-translations-l10n"

# Exactly these files, owned by root, readable by all, only the program executable.
sizes=(16 32 48 64 128 256)
icons=(apps/ou mimetypes/application-x-ou-stage)
expected=(./usr/bin/ou
    ./usr/share/applications/ou.desktop
    ./usr/share/doc/ou/changelog.gz
    ./usr/share/doc/ou/copyright
    ./usr/share/man/man1/ou.1.gz
    "./usr/share/metainfo/$metainfo_name"
    ./usr/share/mime/packages/ou.xml)
for icon in "${icons[@]}"; do
    expected+=("./usr/share/icons/hicolor/scalable/$icon.svg")
    for size in "${sizes[@]}"; do
        expected+=("./usr/share/icons/hicolor/${size}x$size/$icon.png")
    done
done
listing=$(dpkg-deb -c "$deb")
diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort) || fail "the files differ as shown"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' <<<"$listing" || fail "owners"
awk '{ want = $6 == "./usr/bin/ou" ? "-rwxr-xr-x" : $1 ~ /^d/ ? "drwxr-xr-x" : "-rw-r--r--" }
     $1 != want { print; bad = 1 } END { exit bad }' <<<"$listing" || fail "permissions"

cd "$tree/usr/share"
# The icons: each PNG as large as its folder says.
for png in icons/hicolor/*x*/*/*.png; do
    size=${png#icons/hicolor/}
    size=${size%%x*}
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$width $height" = "$size $size" ] || fail "$png is $width × $height"
done
# The menu entry starts the program and names the icon.
desktop-file-validate applications/ou.desktop || fail "desktop-file-validate"
grep -qx 'Exec=ou %f' applications/ou.desktop || fail "the menu entry does not start ou on a file"
grep -qx 'Icon=ou' applications/ou.desktop || fail "the menu entry names another icon"
# The stage files' type, as a desktop's MIME database compiles it: *.ou of that type, text
# underneath, told by its first line too, shown with the package's icon, opened by the menu entry
# and announced to the software centres.
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' mime/packages/ou.xml)
[ "$type" = application/x-ou-stage ] || fail "the package defines the MIME type '$type'"
mkdir -p "$tree/mime/packages"
cp mime/packages/ou.xml "$tree/mime/packages/"
XDG_DATA_DIRS=$tree update-mime-database "$tree/mime" || fail "update-mime-database"
grep -q "^[0-9]*:$type:\*\.ou$" "$tree/mime/globs2" || fail "*.ou is not $type"
grep -qx "$type text/plain" "$tree/mime/subclasses" || fail "$type is no text"
grep -qF 'format = ou-stage' "$tree/mime/magic" || fail "$type has no magic"
icon=$(sed -n "s|^$type:||p" "$tree/mime/icons")
[ -f "icons/hicolor/scalable/mimetypes/$icon.svg" ] || fail "$type names the icon '$icon'"
grep -qx "MimeType=$type;" applications/ou.desktop || fail "the menu entry does not open $type"
# The AppStream metadata: valid, for this version, launched by the menu entry, English and
# Russian texts, the licence of LICENSE.
metainfo=metainfo/$metainfo_name
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<id>${metainfo_name%.metainfo.xml}</id>" "$metainfo" || fail "the id is not the file's"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metadata"
grep -q '<launchable type="desktop-id">ou.desktop</launchable>' "$metainfo" || fail "launchable"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metadata does not provide $type"
for element in name summary p; do
    grep -q "<$element>" "$metainfo" || fail "no <$element> in English"
done
for element in summary p; do
    grep -q "<$element xml:lang=\"ru\">" "$metainfo" || fail "no <$element> in Russian"
done
head -1 "$source/LICENSE" | grep -qx 'MIT License' || fail "LICENSE is not the MIT licence"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "project_license"
# The manual page: this version, and nothing man complains of.
zcat man/man1/ou.1.gz | grep -q "^\.TH OU 1 .* \"ou $version\"" || fail "the manual page is not of $version"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    man/man1/ou.1.gz 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"
# The copyright file: Debian's machine-readable format, naming LICENSE's holder and licence.
copyright=doc/ou/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
holder=$(sed -n 's/^Copyright (c) //p' "$source/LICENSE")
grep -qx "Copyright: $holder" "$copyright" || fail "the copyright file does not name $holder"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file names another licence"
zcat doc/ou/changelog.gz | head -1 | grep -q "^ou ($version) " || fail "the changelog is not of $version"
echo "the package is complete"
