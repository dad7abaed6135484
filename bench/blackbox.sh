#!/usr/bin/env bash
# Builds the game (Release) and measures it from outside in a 1920x1080 Xvfb screen with
# software GL: the start-up's timeline and its first frame against a bare SDL window, idle CPU,
# CPU while the pointer moves, peak memory, closing time. With --windows, also builds the Windows
# game (scripts/build-windows.sh) and measures it under Wine in the same display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF -DVOSSMERE_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc)" --target vossmere bare_window vossmere_data >/dev/null
measure=(python3 bench/blackbox.py)
if [ "${1:-}" = --windows ]; then
  bash scripts/build-windows.sh >/dev/null
  wine_run=$PWD/scripts/windows/wine.sh
  measure=(bash -c '"$0" --start-server && trap "\"$0\" --stop-server" EXIT && "${@}"' "$wine_run"
           "${measure[@]}" --windows "$wine_run" "$PWD/build/windows")
fi
exec xvfb-run -a -s "-screen 0 1920x1080x24" \
  "${measure[@]}" "$PWD/build/bench/game/vossmere" "$PWD/build/bench/bench/bare_window" \
  "$PWD/build/bench/run"
