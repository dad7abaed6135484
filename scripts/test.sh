#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a normal build, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer. Warnings are errors in both. Then fuzzes the loaders briefly, builds
# the Windows game and runs its tests under Wine, and builds the browser game and plays it through
# in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)
build_and_test() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DVOSSMERE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  # Most of a test's time is SDL's audio thread sleeping, so run more tests than cores.
  ctest --test-dir "$dir" --output-on-failure -j $((jobs * 2))
}

build_and_test build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVOSSMERE_SANITIZE=ON
# A short smoke of the fuzz targets: they build with clang, and their seeds and a few seconds of
# new inputs find nothing.
bash tools/fuzz/run.sh --seconds 10
bash scripts/build-windows.sh --test
bash scripts/build-web.sh --test
