#!/usr/bin/env bash
# Builds the Windows game on Debian: installs the cross compiler, Wine and NSIS, builds the
# libraries from Debian's sources once (cached outside the tree, see build-libraries.sh),
# cross-compiles the game, its data checker and its tests, and makes the packages:
#   build/windows/vossmere-<version>-win64.zip
#   build/windows/vossmere-<version>-win64-setup.exe
# With --test, it then runs every test of the Windows build under Wine in a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
prefix=$(bash scripts/build-libraries.sh windows)
# New libraries: CMake must find each of them again.
if ! grep -qxF "VOSSMERE_WINDOWS_PREFIX:UNINITIALIZED=$prefix" build/windows/CMakeCache.txt 2>/dev/null; then
  rm -f build/windows/CMakeCache.txt
fi
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DVOSSMERE_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_WERROR=ON >/dev/null
cmake --build build/windows -j "$(nproc)"
(cd build/windows && cpack >/dev/null)
ls build/windows/vossmere-*-win64*

if [ "${1:-}" = --test ]; then
  bash scripts/windows/run-tests.sh
fi
