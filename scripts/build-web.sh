#!/usr/bin/env bash
# Builds the browser game on Debian: installs Emscripten, builds the libraries from Debian's
# sources once (cached outside the tree, see build-libraries.sh), compiles the game to
# WebAssembly and makes the folder a static host serves as it is:
#   build/web/index.html, vossmere.js, vossmere.wasm, vossmere.data, screenshots/
# With --test, it then plays the page through in headless Chromium (tests/web).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
# Debian's Emscripten runs its JavaScript tools with the machine's node, which then finds
# Debian's own modules (acorn) only through this.
export NODE_PATH=/usr/share/nodejs
prefix=$(bash scripts/build-libraries.sh web)
# New libraries: CMake must find each of them again.
if ! grep -qxF "CMAKE_FIND_ROOT_PATH:UNINITIALIZED=$prefix" build/web-cmake/CMakeCache.txt 2>/dev/null; then
  rm -f build/web-cmake/CMakeCache.txt
fi
emcmake cmake -S . -B build/web-cmake -G Ninja -DCMAKE_FIND_ROOT_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF -DVOSSMERE_WERROR=ON >/dev/null
cmake --build build/web-cmake -j "$(nproc)"
rm -rf build/web
cp -r build/web-cmake/site build/web
for file in build/web/vossmere.{js,wasm,data}; do
  echo "$file: $(stat -c %s "$file") bytes, $(gzip -9c "$file" | wc -c) gzipped"
done

if [ "${1:-}" = --test ]; then
  bash tests/web/run.sh build/web
fi
