#!/usr/bin/env bash
# Installs the Debian packages that are missing. Run as root, or as a user
# who may sudo.
#
#   bash scripts/setup.sh           what building and running the calculator need
#   bash scripts/setup.sh --tests   that, and what the test suite needs besides
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools  # the translations: Qt6LinguistTools for CMake, and lupdate/lrelease
    qt6-translations-l10n  # Qt's own catalogues, so that the message boxes' buttons speak the user's language
    libcups2-dev  # printing: the CUPS headers; the library itself is loaded on the first print
    qt6-wayland  # so that a Wayland desktop runs it natively, not through XWayland
    fonts-liberation fonts-dejavu-core
)
# The unit and window tests, the fuzzing build, the print tests' PDF printer
# and the checks of the desktop entry, AppStream data and Debian package.
test_packages=(
    libgtest-dev
    clang-format  # the test command checks every source is laid out as .clang-format says
    clang libclang-rt-14-dev
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    desktop-file-utils appstream dpkg-dev file
    strace  # the start-up file check
)
case "${1:-}" in
    --tests) packages+=("${test_packages[@]}") ;;
    "") ;;
    *) echo "usage: bash scripts/setup.sh [--tests]" >&2; exit 2 ;;
esac

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
