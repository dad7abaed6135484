#!/usr/bin/env bash
# Installs the game into a fresh prefix and starts the installed launcher from another folder,
# headless, until its first frame; then builds the Debian package, puts Debian's checkers to it
# (lintian, the AppStream and desktop entry validators, groff on the manual page), looks inside it
# and starts the launcher of the package unpacked into a scratch root.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
mkdir "$scratch/home"

# Starts a launcher from / until the game reports its first frame.
starts() {
  local reported
  reported=$(cd / && env -u USERPROFILE HOME="$scratch/home" SDL_VIDEODRIVER=dummy \
    SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software VOSSMERE_TIMELINE=1 "$1")
  [[ $reported == *"first frame "* ]] || fail "$1 did not draw its first frame"
}

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
starts "$scratch/prefix/games/vossmere"

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
package=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for library in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libpugixml1v5 \
  fonts-open-sans; do
  [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
[ "$(dpkg-deb -f "$package" Recommends)" = speech-dispatcher ] ||
  fail "the package does not recommend speech-dispatcher, the voice of spoken descriptions"
description=$(dpkg-deb -f "$package" Description)
[ "$(wc -l <<<"$description")" -gt 1 ] || fail "the package has no extended description"
findings=$(lintian --fail-on error,warning "$package" 2>&1) ||
  fail "lintian rejects the package: $findings"
dpkg-deb -x "$package" "$scratch/root"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/vossmere.metainfo.xml" >/dev/null ||
  fail "the AppStream metadata is not valid"
desktop-file-validate "$scratch/root/usr/share/applications/vossmere.desktop" ||
  fail "the desktop entry is not valid"
warnings=$(zcat "$scratch/root/usr/share/man/man6/vossmere.6.gz" |
  LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"
readelf -S "$scratch/root/usr/lib/games/vossmere/vossmere" | grep -q '\.symtab' &&
  fail "the packaged game is not stripped"
# The package's font is fonts-open-sans's own, through a link that holds once installed.
font_link=$(readlink "$scratch/root/usr/share/games/vossmere/OpenSans-SemiBold.ttf") ||
  fail "the package's font is not a link to the system's"
[ -f "$(realpath -m "/usr/share/games/vossmere/$font_link")" ] ||
  fail "the package's font link leads nowhere: $font_link"
contents=$(dpkg-deb -c "$package")
for file in ./usr/games/vossmere ./usr/lib/games/vossmere/vossmere \
  ./usr/share/games/vossmere/level_1.xml ./usr/share/applications/vossmere.desktop \
  ./usr/share/icons/hicolor/256x256/apps/vossmere.png ./usr/share/man/man6/vossmere.6.gz \
  ./usr/share/doc/vossmere/copyright ./usr/share/doc/vossmere/changelog.gz; do
  grep -q " $file\$" <<< "$contents" || fail "the package lacks $file"
done
# Unpacked, with fonts-open-sans as the system has it, the package's launcher starts the game.
mkdir -p "$scratch/root/usr/share/fonts/truetype"
ln -s /usr/share/fonts/truetype/open-sans "$scratch/root/usr/share/fonts/truetype/open-sans"
starts "$scratch/root/usr/games/vossmere"
