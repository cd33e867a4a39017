#!/usr/bin/env bash
# Draws the calculator after the first worked example (8 cylinders, bore 4.030,
# stroke 3.480, chamber 64, dome -5, deck 0.015, gasket 9.2, then Calculate)
# into docs/screenshot.png, and at twice the density into
# docs/screenshot@2x.png. Needs no display: the window is drawn offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/screenshot -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_TESTS=OFF >/dev/null
cmake --build build/screenshot --target torvane_screenshot

export QT_QPA_PLATFORM=offscreen
export LANGUAGE=en  # the pictures in the README are of the English window
QT_SCALE_FACTOR=1 build/screenshot/tools/torvane_screenshot docs/screenshot.png
QT_SCALE_FACTOR=2 build/screenshot/tools/torvane_screenshot docs/screenshot@2x.png
echo "Wrote docs/screenshot.png and docs/screenshot@2x.png"
