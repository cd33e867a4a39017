#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any is
# missing. Run as root, or as a user who may sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    fonts-liberation fonts-dejavu-core
    libgtest-dev
    clang libclang-rt-14-dev
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    desktop-file-utils appstream dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
