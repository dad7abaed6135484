#!/usr/bin/env bash
# Rebuilds the game and takes the README's screenshots (docs/screenshots/*.png), and the main
# menu and the settings screen in each other language (docs/screenshots/<code>/), headless.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/screenshots -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF >/dev/null
cmake --build build/screenshots -j "$(nproc)" --target take-screenshots vossmere_data
build/screenshots/tools/take-screenshots build/screenshots/run docs/screenshots
build/screenshots/tools/take-screenshots build/screenshots/run docs/screenshots --languages
