#!/usr/bin/env bash
# Runs the tests of the Windows build (build/windows) under Wine in a virtual X display of its own.
# One Wine server and Wine's own services serve the whole run, so that each test starts in a
# fraction of a second.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -z "${VOSSMERE_IN_DISPLAY:-}" ]; then
  # A wide screen, so that the installed game's real window fits whatever Apply makes of it.
  exec env VOSSMERE_IN_DISPLAY=1 xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"
fi

bash scripts/windows/wine.sh --start-server
trap 'bash scripts/windows/wine.sh --stop-server' EXIT
ctest --test-dir build/windows --output-on-failure -j $(($(nproc) * 2)) "$@"
