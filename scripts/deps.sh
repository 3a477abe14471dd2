# Sourced by the other scripts: installs the Debian packages that are missing.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The comma-decimal locale that every test also runs in.
ensure_spanish_locale() {
    locale -a 2>/dev/null | grep -qix 'es_ES.utf8' && return 0
    ensure_packages locales
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i es_ES -f UTF-8 es_ES.UTF-8
}

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
    libxcb1-dev             # the check for a display before Qt aborts without one
    qt6-translations-l10n   # Qt's own dialogs in the user's language
    libhwy-dev)             # the potential map, vectorised
TEST_PACKAGES=(googletest libgtest-dev clang-format locales
    xvfb xauth dbus-daemon at-spi2-core python3-pyatspi   # the program on an X server, seen
    x11-utils xdotool imagemagick                         # by a screen reader, the window
                                                          # manager and a screenshot
    desktop-file-utils appstream dpkg-dev)                # desktop files and the .deb

# Each preset of CMakePresets.json builds in a folder of its own, so the
# scripts never reconfigure each other's builds.
configure_and_build() {  # preset
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j"$(nproc)"
}
