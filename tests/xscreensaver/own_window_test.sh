#!/usr/bin/env bash
# The native program in a window of its own: full screen, showing the scene, and ended with 0 by
# Escape or by the window manager's close request. Without textures, without OpenGL on the display
# or without a display it says why and ends with 1.
# Usage: own_window_test.sh PROGRAM TEXTURE_DIR RENDERER_COMMAND
set -euo pipefail
program=$1 textures=$2 command=$3
source "$(dirname "$0")/lib.sh"
start_xvfb

renderer_window() { xwininfo -root -tree | awk '/"Morvantis_VC"/ { print $1; exit }'; }
has_window() { [ -n "$(renderer_window)" ]; }

for ending in escape close; do
  "$program" --textures "$textures" &
  pid=$!
  cleanups+=("kill -9 $pid")
  wait_until 20 has_window || fail "no window titled Morvantis_VC"
  window=$(renderer_window)
  width=$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')
  [ "$width" -eq 1024 ] || fail "a window $width pixels wide on a screen of 1024"
  poll=0.5 wait_until 20 shows_scene "$window" || fail "no scene (lit $(lit_fraction "$scratch/shot.png"))"
  "$command" "$ending" "$window"
  wait_until 10 gone "$pid" || fail "it still runs after $ending"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$ending: it ended with $status"
done

# cannot_run WHAT MESSAGE ARGS...: the program, given ARGS, ends with 1 and says MESSAGE.
cannot_run() {
  local status=0
  timeout 20 "$program" "${@:3}" 2>"$scratch/stderr" || status=$?
  [ "$status" -eq 1 ] && grep -q "$2" "$scratch/stderr" || fail "$1: status $status, $(cat "$scratch/stderr")"
}
cannot_run "without textures" "no texture could be read from $scratch/none" --textures "$scratch/none"
DISPLAY=:9999 cannot_run "without a display" 'cannot open the X display ":9999"' --textures "$textures"
start_xvfb 8  # Xvfb offers no GLX with colour-mapped visuals only
cannot_run "without OpenGL" "offers no OpenGL" --textures "$textures"
