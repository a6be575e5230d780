# What the scripts that build, test or photograph the Windows program share: the cross builds,
# which of them wine can run on this machine, a wine prefix whose server stays up, and a virtual
# display. Sourced after scripts/packages.sh, from the top of the worktree.

# Commands run when the sourcing script exits, last registered first.
exit_commands=()
run_exit_commands() {
    local i
    for ((i = ${#exit_commands[@]} - 1; i >= 0; i--)); do
        eval "${exit_commands[i]}" || true
    done
}
at_exit() {
    exit_commands+=("$1")
    trap run_exit_commands EXIT
}

# Some kernels are built without 32-bit x86 support and refuse to start wine's 32-bit loader
# (ENOEXEC); wine can then run only 64-bit programs.
can_run_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Chooses the build whose tests wine runs here: the shipped 32-bit one, or the 64-bit build of the
# same sources where 32-bit programs cannot run. Sets WINDOWS_BITS, WINDOWS_BUILD, WINDOWS_TOOLCHAIN
# and WINE.
choose_windows_build() {
    if can_run_32bit; then
        WINDOWS_BITS=32 WINDOWS_BUILD=build-win32 WINDOWS_TOOLCHAIN=cmake/mingw-i686.cmake
        WINE=/usr/lib/wine/wine
    else
        WINDOWS_BITS=64 WINDOWS_BUILD=build-win64 WINDOWS_TOOLCHAIN=cmake/mingw-x86_64.cmake
        WINE=/usr/lib/wine/wine64
    fi
}

# True when the configured build in directory $1 has a target named $2.
has_target() {
    ninja -C "$1" -t query "$2" >/dev/null 2>&1
}

# The path of ou.exe in the build in directory $1.
windows_program() {
    find "$1" -name ou.exe -not -path '*/CMakeFiles/*' | head -n 1
}

# Builds the Linux tool that renders the artwork, when the sources have one, and sets
# RENDER_SVG to it (empty otherwise). Needs the default preset configured.
build_render_svg() {
    RENDER_SVG=
    has_target build render-svg || return 0
    cmake --build --preset default --target render-svg
    RENDER_SVG=$(find "$PWD/build/tools" -type f -name render-svg -perm -u+x | head -n 1)
}

# Configures the optimised cross build in directory $1 with toolchain file $2; further arguments
# go to cmake. -O2 as in the Linux build, not Release's -O3: there GCC 12 warns falsely
# (-Wrestrict) inside std::string, and warnings are errors.
configure_windows_build() {
    local dir=$1 toolchain=$2
    shift 2
    cmake --no-warn-unused-cli -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DOU_WARNINGS_AS_ERRORS=ON ${RENDER_SVG:+-DOU_RENDER_SVG="$RENDER_SVG"} "$@" >/dev/null
}

# Wine takes the Windows locale from the Linux locale's name, but reads file names, arguments and
# console text in that locale's character set, which needs the locale generated: under a
# ru_RU.UTF-8 that is not, Windows is Russian but the character set ASCII, Cyrillic file names
# fail and the installer makes no Start-menu entry "ОУ". Debian generates only C.UTF-8 by itself
# (English Windows, a decimal point); this generates ru_RU.UTF-8 where it is missing.
ensure_russian_locale() {
    locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8' && return 0
    ensure_packages locales
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Generating the locale ru_RU.UTF-8"
    "${sudo[@]}" sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU\.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}

# Wine's own Windows fonts ("MS Sans Serif", Tahoma …), which Debian installs outside the prefix,
# linked into its C:\Windows\Fonts, where GDI+ looks for them too. Needs WINEPREFIX made.
link_wine_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/*; do
        [ -e "$fonts/$(basename "$font")" ] || ln -s "$font" "$fonts/"
    done
}

# Makes the wine prefix once (WINEPREFIX, by default ~/.wine-ou) and starts a wine server that
# stays up until the script exits: Debian's wineserver wrapper would otherwise stop it after every
# program, and each start costs seconds. Needs WINE from choose_windows_build.
start_wine() {
    export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$HOME/.wine-ou}
    # No menu entries on this machine for the shortcuts that installers make in the prefix.
    export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
    # One server serves 32- and 64-bit programs alike; Debian's wrapper prefers the 64-bit one too.
    WINESERVER=/usr/lib/wine/wineserver64
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver32
    mkdir -p "$WINEPREFIX"
    # Fails harmlessly when a persistent server for this prefix is already up.
    "$WINESERVER" -p 2>/dev/null || true
    at_exit '"$WINESERVER" -k 2>/dev/null'
    # The prefix's services start with the first program and keep its standard error for as long
    # as the server lives. Started here, they hold no one's pipe; started by a test program, they
    # would keep ctest waiting for its output to end.
    local log
    log=$(mktemp)
    if [ -f "$WINEPREFIX/system.reg" ]; then
        "$WINE" wineboot </dev/null >"$log" 2>&1
    else
        echo "Making the wine prefix $WINEPREFIX"
        "$WINE" wineboot -i </dev/null >"$log" 2>&1
    fi || {
        cat "$log"
        rm -f "$log"
        return 1
    }
    rm -f "$log"
    # A program that crashes ends at once with a failure, not in wine's debugger, which may keep
    # ctest waiting on the test's output and lets the program's exit read as a success.
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' \
        /f </dev/null >/dev/null 2>&1
    # Wine 8's 64-bit Uniscribe reads before a run's first glyph where a font's mark-to-mark
    # positioning applies there, and the program crashes shaping an edit control's text: Liberation
    # Sans, which the windows' bitmap fonts fall back to for Cyrillic, has such positioning for
    # "д". The 64-bit runs link those fonts to Liberation Serif instead, whose Cyrillic has none
    # and is no wider than the labels' room; the 32-bit runs keep wine's own fallback.
    if [ "${WINDOWS_BITS:-32}" = 64 ]; then
        local face
        for face in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma"; do
            "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v "$face" /t REG_MULTI_SZ /d 'LiberationSerif-Regular.ttf,Liberation Serif' /f </dev/null >/dev/null 2>&1
        done
    fi
    # No window manager runs on the virtual display: wine places and frames the windows itself
    # instead of waiting for one at every window shown (2 s a window test otherwise).
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

# Starts a virtual X display on a free number and exports DISPLAY; it is stopped at exit.
start_xvfb() {
    local number_file pid
    number_file=$(mktemp)
    # -displayfd: the server picks a free display and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    pid=$!
    at_exit "kill $pid 2>/dev/null"
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$number_file" ]; then
        echo "Xvfb did not start"
        rm -f "$number_file"
        return 1
    fi
    export DISPLAY=:$(head -n 1 "$number_file")
    rm -f "$number_file"
}
