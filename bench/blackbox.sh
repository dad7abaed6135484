#!/usr/bin/env bash
# Builds the game (Release) and measures it from outside in a 1920x1080 Xvfb screen with
# software GL: the start-up's timeline and its first frame against a bare SDL window, idle CPU,
# CPU while the pointer moves, peak memory, closing time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF -DVOSSMERE_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc)" --target vossmere bare_window vossmere_data >/dev/null
exec xvfb-run -a -s "-screen 0 1920x1080x24" \
  python3 bench/blackbox.py "$PWD/build/bench/game/vossmere" "$PWD/build/bench/bench/bare_window" \
  "$PWD/build/bench/run"
