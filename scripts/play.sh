#!/usr/bin/env bash
# Builds Vossmere and starts it with its data folder as the working directory.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/play -DCMAKE_BUILD_TYPE=Release -DVOSSMERE_TESTS=OFF >/dev/null
cmake --build build/play -j "$(nproc)"
cd build/play/run
exec ../game/vossmere "$@"
