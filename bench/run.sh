#!/usr/bin/env bash
# Installs what the benchmarks need, then runs them all and prints one table (bench/run.py);
# bench/blackbox.sh measures the running game from outside, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
exec python3 bench/run.py "$@"
