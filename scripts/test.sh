#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/test_printer.sh

cmake --preset debug
cmake --build --preset debug
ctest --preset debug
