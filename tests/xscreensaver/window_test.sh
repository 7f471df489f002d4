#!/usr/bin/env bash
# The hack drawing into windows it did not make. In a preview window of 300 x 225: it draws the
# scene at the window's size, follows a resize, and ends with 0 when the window is destroyed.
# With --root and no screen saver around: it draws on the root window and ends with 0 on SIGTERM.
# On a screen whose visuals OpenGL cannot draw with, it says so and ends with 1.
# Usage: window_test.sh HACK PREVIEW_WINDOW_PROGRAM
set -euo pipefail
hack=$1 preview=$2
source "$(dirname "$0")/lib.sh"
start_xvfb
unset XSCREENSAVER_WINDOW

# run_hack NAME ARGS...: starts the hack in the background; its pid lands in $hack_pid.
run_hack() {
  local name=$1
  shift
  "$hack" "$@" 2>"$scratch/$name.stderr" 3>&- &
  hack_pid=$!
  cleanups+=("kill -9 $hack_pid")
}

# ended_with_zero NAME: the hack (already gone) ended with status 0.
ended_with_zero() {
  local status=0
  wait "$hack_pid" || status=$?
  [ "$status" -eq 0 ] || { cat "$scratch/$1.stderr" >&2; fail "$1: the hack ended with $status"; }
}

mkfifo "$scratch/resize"
"$preview" <"$scratch/resize" >"$scratch/window" &
cleanups+=("kill $!")
exec 3>"$scratch/resize"  # the preview window lives while this stays open
wait_until 10 test -s "$scratch/window" || fail "the preview window did not appear"
window=$(cat "$scratch/window")

run_hack preview --window-id "$window"
poll=0.5 wait_until 20 shows_scene "$window" || fail "no scene in the 300x225 window (lit $(lit_fraction "$scratch/shot.png"))"

# Drawn with the old viewport, a grown window stays black, to the last pixel, outside its lower
# left 300 x 225: its upper half and its lower right quarter.
beyond_old_viewport() { shows_scene "$window" 600x225+0+0 || shows_scene "$window" 300x225+300+225; }
echo 600x450 >&3
poll=0.5 wait_until 20 beyond_old_viewport || fail "the grown window stays black outside its old size"

exec 3>&-  # the preview program ends and the server destroys its window
wait_until 10 gone "$hack_pid" || fail "the hack still runs after its window was destroyed"
ended_with_zero preview

run_hack root --root
poll=0.5 wait_until 20 shows_scene root || fail "no scene on the root window (lit $(lit_fraction "$scratch/shot.png"))"
kill -TERM "$hack_pid"
wait_until 5 gone "$hack_pid" || fail "the hack still runs after SIGTERM"
ended_with_zero root

start_xvfb 8  # colour-mapped 8-bit visuals only
status=0
"$hack" --root 2>"$scratch/no-gl.stderr" || status=$?
[ "$status" -eq 1 ] && [ -s "$scratch/no-gl.stderr" ] || fail "without a GL visual: status $status, no message"
