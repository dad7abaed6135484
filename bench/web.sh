#!/usr/bin/env bash
# Builds the browser game (scripts/build-web.sh) and the desktop game (Release) and measures both:
# the browser's first frame, download and idle page in headless Chromium, the desktop's first
# frame headless (bench/web.mjs).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh >/dev/null
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF -DVOSSMERE_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc)" --target vossmere vossmere_data >/dev/null
(cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
node bench/web.mjs build/web build/bench/game/vossmere build/bench/run
