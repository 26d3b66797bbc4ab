#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, only those missing.
# Sourced by play.sh and test.sh.
TRAMBUL_PACKAGES=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6
    qt6-charts-dev libqt6opengl6-dev # the charts of «Мой год»; Qt Charts' CMake files need Qt OpenGL's
    libjpeg62-turbo-dev
    libfontconfig-dev # the font configuration is read ahead at start-up (core/Application.h)
    libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
    libsdl2-2.0-0 libsdl2-mixer-2.0-0 # the game loads them by name when it first opens the sound device
    libmpg123-dev libvorbis-dev
    libgtest-dev libgmock-dev
    fonts-dejavu-core
    desktop-file-utils appstream # the validators of the menu entry and the metadata
)

trambul_install_deps() {
    local missing=()
    local package
    for package in "${TRAMBUL_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
