# Debian packages the project needs, and a way to install the missing ones. Sourced by the
# other scripts.

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libqt6svg6-dev
    fontconfig fonts-dejavu-core fonts-liberation2 desktop-file-utils)
# Making and checking the Debian package: CPack reads the program's library dependencies with
# dpkg-shlibdeps; the checks use lintian, appstreamcli and man; debootstrap makes a Debian 12 to
# try the package in.
PACKAGING_PACKAGES=(dpkg-dev binutils lintian appstream man-db debootstrap)

# Installs those of the given packages that are not installed yet.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
