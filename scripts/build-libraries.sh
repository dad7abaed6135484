#!/usr/bin/env bash
# Builds the libraries of the Windows or the web game (SDL2, FreeType, SDL2_image, SDL2_ttf,
# SDL2_mixer, pugixml) from Debian's own source packages, with the MinGW-w64 cross compiler or with
# Emscripten, static, into a cache folder outside the source tree. A build is kept per set of source
# versions (and per version of this script and of the compiler's setup), so a second run only checks
# the versions and prints the prefix.
#
# Usage: build-libraries.sh windows|web    prints the prefix holding lib/, include/ and CMake files
# The cache is $VOSSMERE_CACHE, else $XDG_CACHE_HOME/vossmere, else ~/.cache/vossmere.
set -euo pipefail

# Each library: its source package and its CMake options, in the order of building; each finds
# the ones before it in the prefix. Only what the game uses is built: PNG through SDL2_image's
# built-in stb decoder, Ogg Vorbis through SDL2_mixer's built-in stb_vorbis, no HarfBuzz.
libraries=(
  "libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF"
  "freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON"
  "libsdl2-image -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_VENDORED=OFF
    -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_AVIF=OFF
    -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF"
  "libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF"
  "libsdl2-mixer -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VORBIS=STB
    -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF
    -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF"
  "pugixml -DPUGIXML_BUILD_TESTS=OFF"
)
source_packages=("${libraries[@]%%[[:space:]]*}")
platform=${1:?"usage: build-libraries.sh windows|web"}
here=$(cd "$(dirname "$0")" && pwd)
case $platform in
  windows)
    toolchain=$here/../cmake/mingw-w64-x86_64.cmake
    configure=(cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain")
    compiler_setup() { cat "$toolchain"; } ;;
  web)
    configure=(emcmake cmake)
    compiler_setup() { emcc --version; } ;;
  *) echo "build-libraries: no such platform: $platform" >&2; exit 2 ;;
esac
cache=${VOSSMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vossmere}/$platform
mkdir -p "$cache"

log() { echo "build-libraries: $*" >&2; }

# Fetches the source packages with a private apt configuration: the system's own archive, as
# deb-src, with lists of its own, so the machine's apt setup is left as it is.
fetch_sources() {
  local apt=$cache/apt
  mkdir -p "$apt/sources.d" "$apt/lists/partial" "$cache/downloads"
  local system_sources
  for system_sources in /etc/apt/sources.list.d/*.sources; do
    # deb822 files: every stanza of type deb becomes deb-src too.
    grep -q '^Types:.*deb' "$system_sources" || continue
    grep -qi 'debian' "$system_sources" || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$system_sources" >"$apt/sources.d/$(basename "$system_sources")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list >"$apt/sources.d/system.list"
  fi
  local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources.d"
                 -o "Dir::State::Lists=$apt/lists" -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update -qq >&2
  (cd "$cache/downloads" && apt-get "${options[@]}" source --download-only -qq \
    "${source_packages[@]}" >&2)
}

# The .orig tarball of a source package's newest downloaded version.
orig_tarball() {
  local package=$1
  ls "$cache/downloads/${package}_"*.orig.tar.* | grep -v -- '-ft2' | sort -V | tail -n 1
}

# A key naming the versions of the sources and this script: a new one means a new build.
build_key() {
  local package
  {
    for package in "${source_packages[@]}"; do basename "$(orig_tarball "$package")"; done
    cat "$0"
    compiler_setup
  } | sha256sum | cut -c1-16
}

# Unpacks a tarball into the work folder and prints the source folder it made.
unpack() {
  local tarball=$1 work=$2
  local top
  top=$(tar tf "$tarball" | head -n 1 | cut -d/ -f1)
  rm -rf "${work:?}/$top"
  tar xf "$tarball" -C "$work"
  echo "$work/$top"
}

cmake_build() {
  local source=$1 prefix=$2
  shift 2
  local build=$source/build-$platform
  "${configure[@]}" -S "$source" -B "$build" -G Ninja -DVOSSMERE_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$build.log" 2>&1 ||
    { tail -n 30 "$build.log" >&2; return 1; }
  cmake --build "$build" -j "$(nproc)" >>"$build.log" 2>&1 &&
    cmake --install "$build" >>"$build.log" 2>&1 ||
    { tail -n 30 "$build.log" >&2; return 1; }
}

build_all() {
  local prefix=$1 work=$2
  local library package options source
  for library in "${libraries[@]}"; do
    read -r -d '' package options <<<"$library" || true
    log "$package"
    source=$(unpack "$(orig_tarball "$package")" "$work")
    if [ "$package" = libsdl2-image ]; then
      # The installed config asks for libjpeg and libpng even when the stb decoders stand in.
      sed -i -E 's/^if\(SDL2IMAGE_(JPG|PNG) AND NOT SDL2IMAGE_VENDORED/& AND NOT SDL2IMAGE_BACKEND_STB/' \
        "$source/SDL2_imageConfig.cmake.in"
    fi
    # shellcheck disable=SC2086 # the options are words
    cmake_build "$source" "$prefix" $options
  done
}

if ! fetch_sources; then
  # Offline, the last complete build serves.
  last=$(ls -td "$cache"/libraries-*/ 2>/dev/null | head -n 1)
  if [ -n "$last" ] && [ -f "$last/.complete" ]; then
    log "could not reach Debian's archive; using the libraries built before"
    echo "${last%/}"
    exit 0
  fi
  log "could not fetch the libraries' sources from Debian's archive"
  exit 1
fi
key=$(build_key)
prefix=$cache/libraries-$key
if [ ! -f "$prefix/.complete" ]; then
  log "building the $platform libraries into $prefix (a few minutes, once)"
  work=$cache/work
  rm -rf "$prefix" "$work"
  mkdir -p "$prefix" "$work"
  build_all "$prefix" "$work"
  rm -rf "$work"
  touch "$prefix/.complete"
  # Older builds are of other versions; the one before this stays for a build that may still use it.
  ls -td "$cache"/libraries-*/ | tail -n +3 | xargs -r rm -rf
fi
echo "$prefix"
