#!/usr/bin/env bash
# The Windows renderer under Wine on a desk with two monitors, the desktop painted red. During a
# session the primary is switched to 1024 x 768 and shows the scene, and the other monitor (moved
# to x = 1024) is black, also after its mode changed; Escape pressed on the keyboard still ends
# the renderer then, so the black cover never took the keyboard. Ended by Escape or by closing
# its window, the renderer leaves both monitors in their modes and places, the desktop
# uncovered. With one monitor nothing else changes.
# Usage: windows_test.sh RENDERER WIDEN_MONITOR RENDERER_COMMAND TEXTURE_DIR WINE_PREFIX
set -euo pipefail
renderer=$1 widen=$2 command=$3 textures=$4
export WINEPREFIX=$5 MORVANTIS_WINEPREFIX=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$here/two_monitors.sh"
require_xorg
start_xorg
one_monitor  # first: Wine keeps the monitors it first saw and restores them all at the end

# Wine's programs get no pipe: one started by them could hold it open.
wine() { "$here/../../scripts/wine-run.sh" "$@" </dev/null >/dev/null 2>&1; }

# A prefix of its own, made fresh: Wine keeps the display modes it saw first in its registry.
rm -rf "$WINEPREFIX"
wine wineboot -i
cleanups+=("WINEPREFIX='$WINEPREFIX' wineserver -k")
mkdir -p "$WINEPREFIX/drive_c/n_orvi"
cp "$textures/Morvantis1.bmp" "$textures/Morvantis2.bmp" "$WINEPREFIX/drive_c/n_orvi/"

# The desk as it should be seen: the outputs during a session and after it, the monitor beside
# the scene (none: empty) and the desktop to be seen whole again at the end.
two_monitors_desk() {
  switched=("DUMMY0 1024x768+0+0" "DUMMY1 800x600+1024+0")
  restored=("DUMMY0 1280x1024+0+0" "DUMMY1 800x600+1280+0")
  beside=800x600+1024+0
  desktop=(1280x1024+0+0 800x600+1280+0)
}
one_monitor_desk() {
  switched=("DUMMY0 1024x768+0+0")
  restored=("DUMMY0 1280x1024+0+0")
  beside=""
  desktop=(1280x1024+0+0)
}

scene_shown() {
  if [ -n "$beside" ]; then
    poll=0.5 wait_until 30 shows_scene_beside_black 1024x768+0+0 "$beside" ||
      fail "lit $(lit_in 1024x768+0+0) on the primary, $(lit_in "$beside") beside it"
  else
    poll=0.5 wait_until 30 scene_on 1024x768+0+0 || fail "lit $(lit_in 1024x768+0+0)"
  fi
}

# session ENDING [widened]: one run of the renderer, ended by ENDING (escape or close); with
# widened, the other monitor is switched to 1024 x 768 first (the cover must follow).
session() {
  wine "$renderer" &
  local pid=$! status=0
  cleanups+=("kill -9 $pid")
  wait_until 60 outputs_are "${switched[@]}" || fail "$1: no switch: $(outputs)"
  scene_shown
  if [ -n "${2:-}" ]; then
    wine "$widen" || fail "the other monitor's mode did not change"
    beside=1024x768+1024+0 scene_shown
  fi
  wine "$command" "$1" || fail "$1: the renderer's window is gone or not active"
  wait_until 20 gone "$pid" || fail "$1: it still runs"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$1: it ended with $status"
  wait_until 10 outputs_are "${restored[@]}" || fail "$1: not restored: $(outputs)"
  poll=0.5 wait_until 10 desktop_on "${desktop[@]}" || fail "$1: the desktop is still covered"
}

one_monitor_desk
session escape
two_monitors
two_monitors_desk
session close
session escape widened
