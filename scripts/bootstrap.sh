#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Zenvalo needs, skipping those
# already installed. Safe to run any number of times.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libgl-dev
    # The desktop's own file dialog through its portal; the portal and its GTK dialogs for the tests.
    qt6-xdgdesktopportal-platformtheme xdg-desktop-portal xdg-desktop-portal-gtk
    qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    # Qt6TextToSpeech's CMake package looks for Qt6QmlIntegration, which only this package holds.
    qt6-declarative-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libpugixml-dev
    xvfb xauth fonts-dejavu-core openbox xdotool x11-utils imagemagick python3
    clang libclang-rt-14-dev clang-format
    # The package and its checks: dpkg-shlibdeps, desktop-file-validate, appstreamcli.
    dpkg-dev desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
