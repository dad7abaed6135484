#!/usr/bin/env bash
# A game that cannot start reports why on stderr and exits non-zero instead of crashing.
game=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=no_such_driver "$game" 2>"$errors"
status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; cat "$errors"; exit 1
fi
if ! grep -q '^Vossmere: .' "$errors"; then
  echo "expected the reason on stderr, got:"; cat "$errors"; exit 1
fi
