#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --tests
bash scripts/test_printer.sh

# Every source as the project's .clang-format lays it out.
git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

cmake --preset debug
cmake --build --preset debug
ctest --preset debug

# The catalogues in translations/ hold exactly the texts the sources mark: a
# text added or changed without updating them stops the run here.
cmake --build --preset debug --target update_translations
git diff --exit-code -- translations/

# The optimised build that scripts/run.sh makes: GCC warns differently at -O3,
# and with warnings as errors a warning there would stop the run command.
cmake --preset release
cmake --build --preset release

# The same program and suite again under AddressSanitizer, LeakSanitizer and
# UBSan (the preset sets their options and tests/lsan.supp), the print tests
# under ThreadSanitizer, then a short fuzzing run of the number rules.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# The print path under ThreadSanitizer: the preset builds only the print
# tests and what they need, and runs them (the tests labelled print); any
# data race or lock-order problem stops the test that met it.
cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

bash scripts/fuzz.sh 30
