# Debian packages the project needs, and a way to install the missing ones. Sourced by the
# other scripts.

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config dpkg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    fontconfig fonts-dejavu-core fonts-liberation2 desktop-file-utils)
# Reading the Qt program as a screen reader does (tests/accessibility): a virtual display and its
# keyboard, a D-Bus session with the accessibility bus, and Debian's Python bindings for AT-SPI.
ACCESSIBILITY_PACKAGES=(xvfb xdotool dbus at-spi2-core python3-pyatspi)
# Making and checking the Debian package: CPack reads the program's library dependencies with
# dpkg-shlibdeps; the checks use lintian, appstreamcli, update-mime-database and man; debootstrap
# makes a Debian 12 to try the package in.
PACKAGING_PACKAGES=(dpkg-dev binutils lintian appstream shared-mime-info man-db debootstrap)
# The fuzz targets: libFuzzer comes with clang, the core is compiled by the same clang.
FUZZ_PACKAGES=(clang libfuzzer-14-dev cmake ninja-build)

# The Windows program: cross-compilers, wine with its 32-bit half (from the i386 architecture)
# and the Windows fonts it draws the windows with, the installer maker and a virtual display for
# the window tests, and the locales package to generate the Russian locale wine runs it in.
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 wine32:i386 fonts-wine nsis xvfb locales)

# Configures the optimised build (the preset "default", in build/) with Debian's build flags,
# hardening included, and no path of this machine in the binaries: the build the tests run is the
# one the Debian package is made from, so neither is built twice. Extra arguments go to cmake.
configure_default_build() {
    local cppflags cxxflags ldflags
    cppflags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)
    cxxflags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)
    ldflags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)
    cmake --preset default -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
        -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "$@" >/dev/null
}

# Packages whose absence a script survives: without wine's 32-bit half the tests run the 64-bit
# build of the same sources (scripts/windows-env.sh), so a Debian mirror caught mid-sync on its
# i386 index delays the 32-bit run to another day rather than failing it.
OPTIONAL_PACKAGES=(wine32:i386)

# apt-get update and install, tried again after a pause: a mirror in the middle of a sync serves
# an index of the wrong size for a minute or two.
apt_install() {
    local try
    for try in 1 2 3 4; do
        "${sudo[@]}" apt-get update -qq || true
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "$@" && return 0
        [ "$try" -lt 4 ] && echo "apt-get failed (try $try of 4); again in 30 s" && sleep 30
    done
    return 1
}

# Installs those of the given packages that are not installed yet.
ensure_packages() {
    local missing=() required=() sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    # A package of another architecture (wine32:i386) needs that architecture enabled first.
    for package in "${missing[@]}"; do
        local arch=${package#*:}
        [ "$arch" != "$package" ] || continue
        if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            "${sudo[@]}" dpkg --add-architecture "$arch"
        fi
    done
    apt_install "${missing[@]}" && return 0
    for package in "${missing[@]}"; do
        [[ " ${OPTIONAL_PACKAGES[*]} " == *" $package "* ]] || required+=("$package")
    done
    [ ${#required[@]} -lt ${#missing[@]} ] || return 1
    echo "Could not install all of: ${missing[*]}; going on without the optional ones"
    [ ${#required[@]} -eq 0 ] || apt_install "${required[@]}"
}
