#!/usr/bin/env bash
# Plays the browser build through in headless Chromium (playthrough.mjs) and compares its frames
# with the desktop build's, taken here at the browser's resolution. The page driver's npm packages
# are installed from its lock file; the browser is Debian's chromium, none is downloaded.
# Usage: run.sh WEB_DIR [DESKTOP_BUILD_DIR]   (the desktop build defaults to build/release)
set -euo pipefail
web=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."
desktop=${2:-build/release}

(cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
if [ ! -f "$desktop/CMakeCache.txt" ]; then
  cmake -S . -B "$desktop" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$desktop" -j "$(nproc)" --target take-screenshots vossmere_data >/dev/null
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
"$desktop/tools/take-screenshots" "$desktop/run" "$frames" --size 1024x768 >/dev/null
"$desktop/tools/take-screenshots" "$desktop/run" "$frames" --size 1024x768 --languages >/dev/null
node "$here/playthrough.mjs" "$web" "$frames"
