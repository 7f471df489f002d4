#!/usr/bin/env bash
# The Windows renderer under Wine on a desk with two monitors, the desktop painted red. During a
# session the primary is switched to 1024 x 768 and shows the scene, the other monitor (moved to
# x = 1024) is covered in black by a topmost window that takes neither focus nor keyboard, and
# the cover follows when that monitor's mode changes. Ended by Escape on the keyboard or by
# closing the renderer's window, it leaves both monitors in their modes and places, the desktop
# uncovered. With one monitor there is no cover.
# Usage: windows_test.sh RENDERER PROBE RENDERER_COMMAND TEXTURE_DIR WINE_PREFIX
set -euo pipefail
renderer=$1 probe=$2 command=$3 textures=$4
export WINEPREFIX=$5 MORVANTIS_WINEPREFIX=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$here/two_monitors.sh"
require_xorg
start_xorg
one_monitor  # first: Wine keeps the monitors it first saw and restores them all at the end

wine() { "$here/../../scripts/wine-run.sh" "$@" </dev/null; }
# probe COMMAND: the probe's answer in $scratch/probe.txt (a file: a pipe could stay open).
probe() { wine "$probe" "$1" >"$scratch/probe.txt" 2>/dev/null; }
# windows_are LINE...: the renderer's shown windows, as the probe describes them, in any order.
windows_are() {
  probe windows && [ "$(sort "$scratch/probe.txt" | tr -d '\r')" = "$(printf '%s\n' "$@" | sort)" ]
}

# A prefix of its own, made fresh: Wine keeps the display modes it saw first in its registry.
rm -rf "$WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
cleanups+=("WINEPREFIX='$WINEPREFIX' wineserver -k")
mkdir -p "$WINEPREFIX/drive_c/n_orvi"
cp "$textures/Morvantis1.bmp" "$textures/Morvantis2.bmp" "$WINEPREFIX/drive_c/n_orvi/"

# The desk as it should be seen: the outputs during a session and after it, the renderer's
# windows (as the probe lists them), the monitor beside the scene (none: empty) and the desktop
# to be seen whole again at the end.
two_monitors_desk() {
  switched=("DUMMY0 1024x768+0+0" "DUMMY1 800x600+1024+0")
  restored=("DUMMY0 1280x1024+0+0" "DUMMY1 800x600+1280+0")
  windows=("OpenGL 0 0 1024 768 foreground" "MorvantisCover 1024 0 1824 600")
  beside=800x600+1024+0
  desktop=(1280x1024+0+0 800x600+1280+0)
}
one_monitor_desk() {
  switched=("DUMMY0 1024x768+0+0")
  restored=("DUMMY0 1280x1024+0+0")
  windows=("OpenGL 0 0 1024 768 foreground")
  beside=""
  desktop=(1280x1024+0+0)
}

# The cover follows a mode change of the monitor it covers (as another program may make one).
cover_follows() {
  probe widen || fail "the other monitor's mode did not change"
  poll=0.5 wait_until 10 windows_are "${windows[0]}" "${windows[1]/1824 600/2048 768}" ||
    fail "the cover did not follow: $(cat "$scratch/probe.txt")"
  screenshot && [ "$(lit_in 1024x768+1024+0)" = 0 ] || fail "the desktop shows beside the scene"
}

# session ENDING [cover_follows]: one run of the renderer, ended by ENDING (escape or close).
session() {
  wine "$renderer" >"$scratch/renderer.log" 2>&1 &
  local pid=$! status=0
  cleanups+=("kill -9 $pid")
  wait_until 60 outputs_are "${switched[@]}" || fail "$1: no switch: $(outputs)"
  poll=0.5 wait_until 30 windows_are "${windows[@]}" || fail "$1: windows: $(cat "$scratch/probe.txt")"
  if [ -n "$beside" ]; then
    poll=0.5 wait_until 30 shows_scene_beside_black 1024x768+0+0 "$beside" ||
      fail "$1: lit $(lit_in 1024x768+0+0) on the primary, $(lit_in "$beside") beside it"
  else
    poll=0.5 wait_until 30 scene_on 1024x768+0+0 || fail "$1: lit $(lit_in 1024x768+0+0)"
  fi
  [ -z "${2:-}" ] || "$2"
  wine "$command" "$1" >/dev/null 2>&1 || fail "$1: the renderer's window is gone"
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
session escape
session close cover_follows
