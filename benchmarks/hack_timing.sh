#!/usr/bin/env bash
# Measures the native program as an xscreensaver hack, on a private Xvfb: its frame rate in a
# small window, where frames are cheap and only the frame pacer holds the loop back (from the
# program's own frame log), and how long it takes to end after SIGTERM (by the signal: 143).
# Usage: benchmarks/hack_timing.sh [PROGRAM]   (default: build/linux/libexec/xscreensaver/morvantis)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
hack=$(realpath "${1:-build/linux/libexec/xscreensaver/morvantis}")
scratch=$(mktemp -d)
now_us() { echo "${EPOCHREALTIME/[.,]/}"; }

Xvfb -displayfd 3 -screen 0 160x120x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
unset XSCREENSAVER_WINDOW

MORVANTIS_FRAME_LOG=$scratch/frames "$hack" --root &
pid=$!
sleep 8
kill -TERM "$pid"
wait "$pid" || true
# Whole seconds only, the first one (start-up) left out.
echo "frames per second in a 160x120 root window, second by second: $(awk 'NR > 1 { printf "%s ", $2 }' "$scratch/frames")(limit 60)"

times=()
for _ in $(seq 10); do
  "$hack" --root &
  pid=$!
  sleep 1.5
  start=$(now_us)
  kill -TERM "$pid"
  status=0
  wait "$pid" || status=$?
  times+=($((($(now_us) - start) / 1000)))
  [ "$status" -eq 143 ] || echo "exit status $status after SIGTERM (expected 143, by the signal)"
done
echo "SIGTERM to exit, ms (10 runs, sorted): $(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')(target: under 100)"
