#!/usr/bin/env bash
# Installs the Debian packages Vossmere needs to build, test and run; does nothing when all are there.
# With "windows", also those of the Windows build: the cross compiler, Wine, NSIS and the sources'
# tools; with "web", those of the browser build: Emscripten, Chromium and Node.js's npm.
set -euo pipefail

packages=(
  cmake g++ make
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libpugixml-dev libgtest-dev
  fonts-open-sans
  xvfb xauth
  clang-format sox libsox-fmt-base librsvg2-bin gettext
  clang libclang-rt-14-dev
  libbenchmark-dev valgrind xdotool x11-apps desktop-file-utils groff-base lintian appstream
)
if [ "${1:-}" = windows ]; then
  packages+=(
    g++-mingw-w64-x86-64-posix ninja-build googletest python3
    wine wine64 libgl1-mesa-dri nsis unzip xz-utils
  )
fi
if [ "${1:-}" = web ]; then
  packages+=(emscripten ninja-build python3 xz-utils chromium)
  # Node.js and npm from elsewhere serve as well as Debian's.
  command -v npm >/dev/null || packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
