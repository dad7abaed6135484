#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of the project's own that is made once per
# machine and kept with the cached libraries. CTest runs every Windows test through it.
#
# Usage: wine.sh PROGRAM.exe [ARGUMENTS...]
#        wine.sh --prefix          prints the Wine prefix's folder (made if need be)
#        wine.sh --start-server    starts a Wine server and Wine's own services for the display
#                                  of the moment, to serve every later start until --stop-server
#        wine.sh --stop-server
# Missing DLLs are reported (WINEDEBUG=err+module); Wine's other chatter is off.
set -euo pipefail

cache=${VOSSMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vossmere}/windows
export WINEPREFIX=${VOSSMERE_WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all,err+module}
# No prompts for Wine's .NET and browser add-ons, which nothing here uses.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Makes the prefix once; parallel tests wait for the first one that makes it.
prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.vossmere-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits 2 s for every window to close unless it manages them
    # itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vossmere-ready"
  fi
  flock -u 9
}

[ -f "$WINEPREFIX/.vossmere-ready" ] || prepare_prefix
case "${1:-}" in
  --prefix)
    echo "$WINEPREFIX"
    ;;
  --start-server)
    wineserver -k 2>/dev/null || true # a server of an earlier run may know another display
    # Detached from this script's output, they keep nobody waiting for it to close.
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
    # Wine's desktop process, which the first window would start with that program's output and
    # keep open for as long as the server lives.
    if [ -n "${DISPLAY:-}" ]; then
      (wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &)
    fi
    ;;
  --stop-server)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    exec wine "$@"
    ;;
esac
