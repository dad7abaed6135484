#!/usr/bin/env bash
# Starts the game headless:
# - in its data folder with an audio driver that does not exist: it plays silently, says so in
#   one line on stderr, and gets through its whole start;
# - in an empty folder: it reports the missing screen on stderr and exits with 1 instead of
#   crashing;
# - asked to start in a level and view the data has, it gets through its start; asked for a level
#   it lacks, or given an option it does not know, it says so and exits with 1;
# - on Linux, with no display and no video driver chosen: it says it has no display and exits
#   with 1 instead of running without a window. (Under an emulator it is a Windows game, which
#   always has a display.)
# Usage: startup_test.sh DATA_DIR [EMULATOR...] GAME
data=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

# Runs the game in the folder given first, with the options and variables of env given next;
# stdout and stderr land in the scratch folder.
run() {
  local folder=$1
  shift
  (cd "$folder" && env -u DISPLAY -u WAYLAND_DISPLAY -u USERPROFILE "$@" HOME="$scratch" \
    "${game[@]}" "${options[@]}" >"$scratch/out" 2>"$scratch/err")
}
expect() {
  local what=$1 expected=$2 actual=$3
  [ "$actual" = "$expected" ] || fail "expected $what \"$expected\", got \"$actual\""
}
game=("$@")
options=()

run "$data" SDL_AUDIODRIVER=no_such_driver VOSSMERE_TIMELINE=1
expect "exit status" 0 "$?"
expect stderr "Playing without sound: Audio target 'no_such_driver' not available" \
  "$(tr -d '\r' <"$scratch/err")"
phases=$(sed 's/ [0-9]*\r\?$//' "$scratch/out" | paste -sd, -)
expect "phases of the start" "libraries,settings,window,main menu,first frame,audio,screens,level,music" \
  "$phases"

options=(--level 2 --view 3)
run "$data" SDL_AUDIODRIVER=dummy VOSSMERE_TIMELINE=1
expect "exit status" 0 "$?"
options=(--level 4)
run "$data" SDL_AUDIODRIVER=dummy
expect "exit status" 1 "$?"
expect stderr "Vossmere: There is no level 4: the data folder has levels 1 to 3" \
  "$(tr -d '\r' <"$scratch/err")"
options=(--lvel 2)
run "$data" SDL_AUDIODRIVER=dummy
expect "exit status" 1 "$?"
expect stderr "Vossmere: Unknown option --lvel|usage: vossmere [--level N [--view V]] [--watch]" \
  "$(tr -d '\r' <"$scratch/err" | paste -sd'|')"
options=()

mkdir "$scratch/empty"
run "$scratch/empty" SDL_AUDIODRIVER=dummy
expect "exit status" 1 "$?"
expect stderr "Vossmere: main_menu.xml: Can not load a file with UI" "$(tr -d '\r' <"$scratch/err")"

if [ "${#game[@]}" -eq 1 ]; then
  # An empty runtime folder keeps Wayland's client library from complaining that it has none.
  mkdir -m 700 "$scratch/runtime"
  game=(timeout 20 "${game[@]}")
  run "$data" -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=dummy
  expect "exit status" 1 "$?"
  expect stderr "Vossmere: No display to open a window on" "$(cat "$scratch/err")"
fi
