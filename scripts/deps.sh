#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when everything is already there, so it is cheap to run again.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-svg-dev
    libqt6webenginecore6-bin libgl-dev libsqlite3-dev libgtest-dev libgmock-dev
    libbenchmark-dev libwebkit2gtk-4.1-dev libxcb1-dev
    xvfb xauth x11-utils xdotool imagemagick xdg-utils fonts-noto-cjk
    desktop-file-utils appstream dpkg-dev file
    e2fsprogs  # chattr: the tests make registry files unchangeable
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
