#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need (skips apt when all
# of them are already there).
set -euo pipefail
PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-httpserver-dev qt6-websockets-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
    # The collections package: the program and the service read and write archives with it.
    libarchive-dev
    clang libclang-rt-14-dev
    xvfb xauth fonts-dejavu-core imagemagick
    # The screen-saver hold over D-Bus, and the private session bus its test runs on.
    libqt6dbus6 dbus-daemon dbus-bin
    # The packages (cpack reads the programs with file and dpkg-shlibdeps), and the checks of the
    # desktop entry and the AppStream metadata.
    file dpkg-dev desktop-file-utils appstream
    # The catalogue service benchmark.
    wrk
    # A standard XML parser that checks the collection files the program writes.
    libxml2-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
