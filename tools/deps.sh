# Installs the Debian packages that are missing; sourced by the play and test scripts.

BUILD_PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-multimedia-dev libxcb1-dev fonts-dejavu-core gzip
    qt6-tools-dev qt6-l10n-tools gettext appstream qt6-translations-l10n)
TEST_PACKAGES=(qt6-base-private-dev libbenchmark-dev desktop-file-utils appstream dpkg-dev file
    lintian groff-base xvfb xauth dbus-daemon dbus-bin at-spi2-core python3 python3-pyatspi
    fonts-lohit-deva fonts-noto-cjk)
# For the end-to-end check of scale changes under X11 and Wayland, which skips without them.
E2E_PACKAGES=(xvfb x11-xserver-utils xdotool imagemagick sway grim wtype qt6-wayland python3
    dbus)

ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
