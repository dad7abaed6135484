#!/usr/bin/env bash
# Runs the tests of the Windows build (build/windows) under Wine in a virtual X display of its own.
# One Wine server and Wine's own services serve the whole run, so that each test starts in a
# fraction of a second; they are started inside the display, detached from this script's output,
# and stopped at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -z "${VOSSMERE_IN_DISPLAY:-}" ]; then
  # A wide screen, so that the installed game's real window fits whatever Apply makes of it.
  exec env VOSSMERE_IN_DISPLAY=1 xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"
fi

WINEPREFIX=$(bash scripts/windows/wine.sh --prefix)
export WINEPREFIX
wineserver -k 2>/dev/null || true # a server of an earlier run knows another display
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
bash scripts/windows/wine.sh wineboot </dev/null >/dev/null 2>&1
ctest --test-dir build/windows --output-on-failure -j $(($(nproc) * 2)) "$@"
