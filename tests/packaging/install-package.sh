#!/usr/bin/env bash
# Installs the .deb into a throw-away root, starts ou there on the offscreen platform and checks
# that it keeps running, then removes the package and checks that nothing of it is left.
#   install-package.sh PACKAGE.deb dpkg-root
#       a scratch directory with a dpkg database of its own; the program runs on this machine's
#       libraries (dependencies are not installed there)
#   install-package.sh PACKAGE.deb debian12 [CACHE]
#       a minimal Debian 12 made by debootstrap from the apt mirror this machine uses, where apt
#       installs the package with its dependencies and nothing it merely recommends; CACHE keeps
#       the downloaded packages for the next run. Needs root and a reachable mirror: without them
#       it ends with status 77.
set -euo pipefail
deb=$(realpath "$1") mode=$2 cache=${3:-}
fail() { echo "FAIL: $*"; exit 1; }
# Exit status 77: the root could not be made here, which says nothing of the package.
unavailable() { echo "cannot try the package: $*"; exit 77; }
[ -f "$deb" ] || fail "no package $deb"

# Nothing is ever mounted inside the root, so removing it cannot reach the host's files.
root=$(mktemp -d "${TMPDIR:-/tmp}/ou-root.XXXXXX")
log=$(mktemp)
trap 'rm -rf "$root" "$log"' EXIT
chmod 755 "$root"
# Runs a command with its output in the log, shown only when it fails.
quietly() { "$@" >"$log" 2>&1 || { local status=$?; tail -20 "$log"; return "$status"; }; }
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')

case $mode in
dpkg-root)
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    touch "$root/var/lib/dpkg/status"
    in_root() { "$@"; }
    run_dpkg() { dpkg --root="$root" --log=/dev/null --force-depends --force-not-root "$@"; }
    install_package() { quietly run_dpkg -i "$deb"; }
    remove_package() { quietly run_dpkg -r ou; }
    program=$root/usr/bin/ou
    ;;
debian12)
    [ "$(id -u)" -eq 0 ] || unavailable "debootstrap and chroot need root"
    command -v debootstrap >/dev/null || unavailable "no debootstrap"
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Codename: bookworm' |
        sort -u | head -1)
    [ -n "$mirror" ] || mirror=http://deb.debian.org/debian/
    options=(--variant=minbase)
    if [ -n "$cache" ]; then
        mkdir -p "$cache/apt"
        cache=$(realpath "$cache")
        options+=(--cache-dir="$cache")
    fi
    echo "debootstrap bookworm from $mirror"
    quietly debootstrap "${options[@]}" bookworm "$root" "$mirror" || unavailable "debootstrap failed"
    cp "$deb" "$root/tmp/"
    in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
    apt() {
        in_root env DEBIAN_FRONTEND=noninteractive apt-get -y -o Dpkg::Use-Pty=0 "$@"
    }
    quietly apt update || unavailable "the mirror cannot be read"
    install_package() {
        [ -z "$cache" ] || find "$cache/apt" -name '*.deb' -exec cp -t "$root/var/cache/apt/archives" {} +
        quietly apt install --no-install-recommends "/tmp/$(basename "$deb")"
        [ -z "$cache" ] || find "$root/var/cache/apt/archives" -name '*.deb' -exec cp -t "$cache/apt" {} +
    }
    remove_package() { quietly apt remove ou; }
    program=/usr/bin/ou
    ;;
*)
    fail "mode $mode: dpkg-root or debian12"
    ;;
esac

install_package || fail "the package does not install"
for file in $files; do
    [ -e "$root$file" ] || fail "$file was not installed"
done

# Still running after a few seconds: it started, found its libraries and its platform plugin
# and did not fall over while making its windows.
status=0
output=$(in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 4 "$program" 2>&1) ||
    status=$?
[ "$status" -eq 124 ] || fail "ou ended with status $status after starting: $output"

remove_package || fail "the package does not remove"
for file in $files; do
    [ ! -e "$root$file" ] || fail "$file is left after removing the package"
done
echo "ou installs into $mode, starts and is removed cleanly"
