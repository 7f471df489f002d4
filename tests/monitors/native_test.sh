#!/usr/bin/env bash
# The native program in its own window on a desk with two monitors, the desktop painted red:
# the window spans the screen, the scene fills the primary monitor (the left one, then the right
# one made primary) and the other monitor is black; Escape ends it with 0.
# Usage: native_test.sh PROGRAM TEXTURE_DIR RENDERER_COMMAND
set -euo pipefail
program=$1 textures=$2 command=$3
source "$(dirname "$0")/two_monitors.sh"
require_xorg
start_xorg
two_monitors

renderer_window() { xwininfo -root -tree | awk '/"Morvantis_VC"/ { print $1; exit }'; }
has_window() { [ -n "$(renderer_window)" ]; }

# session SCENE BLACK: the scene on the monitor at geometry SCENE, black on the one at BLACK.
session() {
  "$program" --textures "$textures" &
  local pid=$! window status=0
  cleanups+=("kill -9 $pid")
  wait_until 20 has_window || fail "no window titled Morvantis_VC"
  window=$(renderer_window)
  poll=0.5 wait_until 30 shows_scene_beside_black "$1" "$2" ||
    fail "scene on $1: lit $(lit_in "$1"), beside it on $2: lit $(lit_in "$2")"
  [ "$(xwininfo -id "$window" | awk '/geometry/ { print $2 }')" = 2080x1024+0+0 ] || fail "the window is not the whole screen"
  [ "$(xwininfo -id "$window" -children | awk '/^ +0x/ { print $(NF - 1) }')" = "$1" ] ||
    fail "the scene's window is not at $1"
  "$command" escape "$window"
  wait_until 10 gone "$pid" || fail "it still runs after Escape"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "it ended with $status"
}

session 1280x1024+0+0 800x600+1280+0
xrandr --output DUMMY1 --primary
session 800x600+1280+0 1280x1024+0+0
