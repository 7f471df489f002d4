#!/usr/bin/env bash
# The hack drawing into windows it did not make. In a preview window of 300 x 225, named as
# xscreensaver-settings names it (the list's "--root" with "--window-id ID" appended): it draws
# the scene there, follows a resize, and ends with 0, saying nothing, when the window is destroyed,
# however early. An input-only window is refused with a reason. With --root and no screen saver
# around it draws on the root window. SIGTERM and SIGINT end it by the signal. In a window whose
# visual OpenGL cannot draw with, or on a display without OpenGL, it says so and ends with 1.
# Usage: window_test.sh HACK PREVIEW_WINDOW_PROGRAM
set -euo pipefail
hack=$1 preview=$2
source "$(dirname "$0")/lib.sh"
start_xvfb
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')

# run_hack NAME ARGS...: starts the hack in the background; its pid lands in $hack_pid.
run_hack() {
  local name=$1
  shift
  "$hack" "$@" 2>"$scratch/$name.stderr" 3>&- &
  hack_pid=$!
  cleanups+=("kill -9 $hack_pid")
}

# ended_with NAME STATUS: the hack (already gone or going) ended with STATUS.
ended_with() {
  local status=0
  wait "$hack_pid" || status=$?
  [ "$status" -eq "$2" ] || { cat "$scratch/$1.stderr" >&2; fail "$1: the hack ended with $status, not $2"; }
}

# open_preview [input-only]: a preview window in $window; it lives while descriptor 3 is open.
open_preview() {
  rm -f "$scratch/resize" "$scratch/window"
  mkfifo "$scratch/resize"
  "$preview" "$@" <"$scratch/resize" >"$scratch/window" &
  cleanups+=("kill $!")
  exec 3>"$scratch/resize"
  wait_until 10 test -s "$scratch/window" || fail "the preview window did not appear"
  window=$(cat "$scratch/window")
}
close_preview() { exec 3>&-; }  # the preview program ends and the server destroys its window

open_preview
XSCREENSAVER_WINDOW=$root run_hack preview --root --window-id "$window"
poll=0.5 wait_until 20 shows_scene "$window" || fail "no scene in the 300x225 window (lit $(lit_fraction "$scratch/shot.png"))"

# Drawn with the old viewport, a grown window stays black, to the last pixel, outside its lower
# left 300 x 225: its upper half and its lower right quarter.
beyond_old_viewport() { shows_scene "$window" 600x225+0+0 || shows_scene "$window" 300x225+300+225; }
echo 600x450 >&3
poll=0.5 wait_until 20 beyond_old_viewport || fail "the grown window stays black outside its old size"

close_preview
wait_until 10 gone "$hack_pid" || fail "the hack still runs after its window was destroyed"
ended_with preview 0
[ ! -s "$scratch/preview.stderr" ] || fail "a destroyed window was reported: $(cat "$scratch/preview.stderr")"

# A window destroyed while the hack sets up (before or after it looked the window up, while the
# driver makes its graphics contexts): either no such window, or a quiet end.
for delay in 0.05 0.1 0.15 0.2 0.3 0.4; do
  open_preview
  run_hack early --window-id "$window"
  sleep "$delay"
  close_preview
  wait_until 10 gone "$hack_pid" || fail "the hack still runs after its window was destroyed ${delay}s in"
  status=0
  wait "$hack_pid" || status=$?
  [ "$status" -eq 0 ] || { [ "$status" -eq 1 ] && grep -q 'there is no window' "$scratch/early.stderr"; } ||
    fail "window destroyed ${delay}s in: status $status, $(cat "$scratch/early.stderr")"
  ! grep -q 'X error' "$scratch/early.stderr" || fail "window destroyed ${delay}s in: $(cat "$scratch/early.stderr")"
done

open_preview input-only
run_hack input-only --window-id "$window"
ended_with input-only 1
grep -q "0x.* is an input-only window" "$scratch/input-only.stderr" && ! grep -q 'X error' "$scratch/input-only.stderr" ||
  fail "an input-only window: $(cat "$scratch/input-only.stderr")"
close_preview

# SIGINT while drawing in a window (a job started in the background by a script has SIGINT
# ignored: the hack restores it); SIGTERM as xscreensaver stops its hacks.
open_preview
run_hack interrupted --window-id "$window"
poll=0.5 wait_until 20 shows_scene "$window" || fail "no scene in the preview window before SIGINT"
kill -INT "$hack_pid"
wait_until 5 gone "$hack_pid" || fail "the hack still runs after SIGINT"
ended_with interrupted 130
close_preview

unset XSCREENSAVER_WINDOW
run_hack root --root
poll=0.5 wait_until 20 shows_scene root || fail "no scene on the root window (lit $(lit_fraction "$scratch/shot.png"))"
kill -TERM "$hack_pid"
wait_until 5 gone "$hack_pid" || fail "the hack still runs after SIGTERM"
ended_with root 143

# cannot_draw WHAT MESSAGE ARGS...: the hack, given ARGS, ends with 1 and says MESSAGE.
cannot_draw() {
  local status=0
  "$hack" "${@:3}" 2>"$scratch/no-gl.stderr" || status=$?
  [ "$status" -eq 1 ] && grep -q "$2" "$scratch/no-gl.stderr" ||
    fail "$1: status $status, $(cat "$scratch/no-gl.stderr")"
}
start_xvfb 24 -screen 1 640x480x8  # OpenGL on the first screen only
second_root=$(xwininfo -root -display "$DISPLAY.1" | awk '/Window id:/ { print $4 }')
cannot_draw "a window of 8-bit visual" "has visual 0x[0-9a-f]*, which OpenGL cannot draw with" --window-id "$second_root"
start_xvfb 8  # colour-mapped visuals only: Xvfb offers no GLX then
cannot_draw "no GLX" "offers no OpenGL (it has no GLX extension)" --root
