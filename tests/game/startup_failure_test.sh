#!/usr/bin/env bash
# A game that cannot start reports SDL's own words on stderr and exits with 1 instead of crashing.
# Run in the data folder: the menu comes up, then the sound cannot.
game=$1
errors=$(mktemp)
home=$(mktemp -d)
trap 'rm -rf "$errors" "$home"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u USERPROFILE HOME="$home" SDL_AUDIODRIVER=no_such_driver \
  "$game" 2>"$errors"
status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; cat "$errors"; exit 1
fi
expected="Vossmere: Audio target 'no_such_driver' not available"
if [ "$(cat "$errors")" != "$expected" ]; then
  echo "expected \"$expected\" on stderr, got:"; cat "$errors"; exit 1
fi
