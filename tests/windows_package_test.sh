#!/usr/bin/env bash
# The Windows packages, under Wine in a virtual X display:
# - the zip holds the game in one folder, and the game starts from it;
# - the installer installs silently, its Start-menu shortcut starts the game in its folder, and
#   the game keeps its settings in Documents\My Games\Vossmere; the silent uninstaller removes the
#   program and its shortcuts and leaves the settings.
# Usage: windows_package_test.sh BUILD_DIR WINE_RUNNER
set -euo pipefail
build=$1
wine_run=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
# Runs a command away from this test's output: Wine starts its desktop process for the first
# window, and that process, which outlives the test, must not keep CTest waiting on the output.
quietly() { "$@" </dev/null >/dev/null 2>&1; }
[ -n "${DISPLAY:-}" ] || fail "needs an X display (run it under xvfb-run)"
export SDL_AUDIODRIVER=dummy

(cd "$build" && cpack -B "$scratch/packages" >/dev/null)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
zip=$scratch/packages/vossmere-$version-win64.zip
setup=$scratch/packages/vossmere-$version-win64-setup.exe

# The zip: one folder with the exe beside its data, the font's licence and the players' read-me.
listing=$(unzip -Z1 "$zip")
top=vossmere-$version-win64
for file in vossmere.exe README.txt OpenSans-LICENSE.txt OpenSans-SemiBold.ttf main_menu.xml \
  level_3.xml room_1.png metalClick.ogg; do
  grep -qx "$top/$file" <<<"$listing" || fail "the zip lacks $top/$file"
done
grep -qvE "^$top/" <<<"$listing" && fail "the zip has files outside $top/"
grep -qE "stamp|icon\.png" <<<"$listing" && fail "the zip has build leftovers"
(cd "$scratch" && unzip -q "$zip")
started=$(cd "$scratch/$top" && SDL_VIDEODRIVER=dummy SDL_RENDER_DRIVER=software \
  VOSSMERE_TIMELINE=1 "$wine_run" vossmere.exe)
[[ $started == *"first frame "* ]] || fail "the game of the zip did not start: $started"

# Windows' folders of the Wine prefix, as Linux paths.
drive_c=$("$wine_run" --prefix)/drive_c
install_dir='C:\vossmere-package-test\Vossmere'
installed=$drive_c/vossmere-package-test/Vossmere
start_menu=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Vossmere
desktop=$drive_c/users/Public/Desktop/Vossmere.lnk
settings=$drive_c/users/$(whoami)/Documents/My\ Games/Vossmere/settings.data
# What an earlier, interrupted run left: without its registration the installer asks nothing.
quietly "$wine_run" reg delete \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vossmere' /f || true
rm -rf "$drive_c/vossmere-package-test" "$start_menu" "$desktop" "$settings"

quietly "$wine_run" "$setup" /S "/D=$install_dir"
[ -f "$installed/vossmere.exe" ] && [ -f "$installed/main_menu.xml" ] ||
  fail "the installer did not install the game into $installed"
[ -f "$start_menu/Vossmere.lnk" ] && [ -f "$desktop" ] || fail "the installer made no shortcuts"

# Started from its shortcut, the game finds its data; Settings, Apply and Keep save the settings.
quietly "$wine_run" start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Vossmere\Vossmere.lnk'
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Vossmere$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "the game started from its shortcut showed no window"
# The window opens before the game has read its screens; a busy machine needs a moment more.
sleep 2
# Clicks a point of the game's 1440 by 1080 canvas, drawn in a 1024 by 768 client area inside
# the frame Wine draws itself.
eval "$(xdotool getwindowgeometry --shell "$window")"
click() {
  local border=$(((WIDTH - 1024) / 2))
  local top=$((HEIGHT - 768 - border))
  xdotool mousemove --window "$window" $((border + $1 * 1024 / 1440)) $((top + $2 * 768 / 1080)) \
    click 1
  sleep 1
}
click 720 592 # Settings
click 894 900 # Apply
# The window has its new size now; Enter answers the question to keep it.
xdotool windowfocus --sync "$window" key Return
for _ in $(seq 50); do [ -f "$settings" ] && break; sleep 0.2; done
[ -f "$settings" ] || fail "the installed game saved no settings in $settings"
# The player closes the window as Windows' close button does.
quietly "$wine_run" taskkill /IM vossmere.exe
# The window goes first, then the process: a running program cannot be uninstalled.
for _ in $(seq 50); do pgrep -f 'vossmere-package-test.Vossmere.vossmere.exe' >/dev/null || break; sleep 0.2; done
pgrep -f 'vossmere-package-test.Vossmere.vossmere.exe' >/dev/null && fail "the game did not end"

quietly "$wine_run" "$installed/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once: wait for it to remove the
# program and both shortcuts, in whatever order it goes.
for _ in $(seq 100); do
  [ -e "$installed/vossmere.exe" ] || [ -e "$start_menu/Vossmere.lnk" ] || [ -e "$desktop" ] || break
  sleep 0.2
done
[ ! -e "$installed/vossmere.exe" ] && [ ! -e "$installed/main_menu.xml" ] ||
  fail "the uninstaller left the program in $installed"
[ ! -e "$start_menu/Vossmere.lnk" ] && [ ! -e "$desktop" ] || fail "the uninstaller left shortcuts"
[ -f "$settings" ] || fail "the uninstaller removed the player's settings"
rm -rf "$drive_c/vossmere-package-test" "$(dirname "$settings")"
