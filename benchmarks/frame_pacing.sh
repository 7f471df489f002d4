#!/usr/bin/env bash
# Measures (does not test) the renderers' frame pacing: frames per second from the frame log
# (MORVANTIS_FRAME_LOG) and CPU-seconds per second over 10 s, in a window and then minimised.
#
#   bash benchmarks/frame_pacing.sh [PROGRAMS_DIR]
#
# PROGRAMS_DIR (default: build) holds linux/libexec/xscreensaver/morvantis and windows/bin/モルヴァンティス.dll;
# either may be missing. The helpers that minimise and close the windows come from this
# checkout's build (benchmarks/renderer_command of the linux and windows presets). Each program
# runs on a private Xvfb: the native one full screen on a small 320 x 240 display, the Windows
# one under Wine (this checkout's prefix) at the 1024 x 768 it switches to. Load from other
# work on the machine skews the figures: the load average is printed with them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
programs=$(realpath "${1:-build}")
seconds=10
work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb() {  # SIZE: starts a private Xvfb and points DISPLAY at it
  local n
  for n in $(seq 140 199); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || break
  done
  Xvfb ":$n" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  started+=($!)
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
}

wineserver_of_prefix() {
  local pid
  for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid" && return
  done
  true
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }

window_id() {  # the renderer's X window, waited for up to 60 s
  for _ in $(seq 120); do
    xwininfo -name Morvantis_VC 2>/dev/null | awk '/Window id:/ { print $4; found = 1 } END { exit !found }' && return
    sleep 0.5
  done
  return 1
}

# measure NAME STATE PID LOG [OTHER_PID]: one row of the table over $seconds seconds.
measure() {
  local name=$1 state=$2 pid=$3 log=$4 other=${5:-}
  local lines_before cpu_before x_before other_before
  lines_before=$(wc -l <"$log")
  cpu_before=$(cpu_ticks "$pid"); x_before=$(cpu_ticks "$xvfb_pid")
  other_before=$([ -n "$other" ] && cpu_ticks "$other" || echo 0)
  sleep "$seconds"
  local hz cpu x other_cpu
  hz=$(getconf CLK_TCK)
  cpu=$(( $(cpu_ticks "$pid") - cpu_before )); x=$(( $(cpu_ticks "$xvfb_pid") - x_before ))
  other_cpu=$([ -n "$other" ] && echo $(( $(cpu_ticks "$other") - other_before )) || echo 0)
  # The Windows program writes its text file with CR LF.
  tail -n +"$((lines_before + 1))" "$log" | tr -d '\r' | awk -v name="$name" -v state="$state" -v s="$seconds" \
      -v hz="$hz" -v cpu="$cpu" -v x="$x" -v other="$other_cpu" -v load="$(cut -d' ' -f1 /proc/loadavg)" '
    { n++; frames += $2; if (n == 1 || $2 < lo) lo = $2; if ($2 > hi) hi = $2 }
    END {
      per_frame = frames ? sprintf("%.1f", 1000 * cpu / hz / frames) : "-"
      printf "%-9s %-10s %6.1f %4d %4d %8.3f %10s %8.3f %11.3f %5s\n", name, state, frames / s,
             n ? lo : 0, n ? hi : 0, cpu / hz / s, per_frame, x / hz / s, other / hz / s, load
    }'
}

run_native() {
  local program=$programs/linux/libexec/xscreensaver/morvantis log=$work/native.log window
  [ -x "$program" ] || return 0
  start_xvfb 320x240x24
  : >"$log"
  MORVANTIS_FRAME_LOG=$log "$program" --textures assets &
  local pid=$!
  started+=("$pid")
  window=$(window_id)
  sleep 3  # past the start-up
  measure native window "$pid" "$log"
  build/linux/benchmarks/renderer_command minimise "$window"
  sleep 2
  measure native minimised "$pid" "$log"
  build/linux/benchmarks/renderer_command close "$window"
  wait "$pid" || echo "native: exit code $?"
  kill "$xvfb_pid"
}

run_windows() {
  local program=$programs/windows/bin/モルヴァンティス.dll log=$work/windows.log
  [ -f "$program" ] || return 0
  start_xvfb 1024x768x24
  export WINEPREFIX=$PWD/build/wineprefix MORVANTIS_WINEPREFIX=$PWD/build/wineprefix
  scripts/wine-run.sh wineboot -i >/dev/null 2>&1 </dev/null || true
  mkdir -p "$WINEPREFIX/drive_c/n_orvi"
  cp assets/Morvantis1.bmp assets/Morvantis2.bmp "$WINEPREFIX/drive_c/n_orvi/"
  : >"$log"
  MORVANTIS_FRAME_LOG="Z:${log//\//\\}" scripts/wine-run.sh "$program" >/dev/null 2>&1 </dev/null &
  local pid=$!
  started+=("$pid")
  window_id >/dev/null
  sleep 3
  local server
  server=$(wineserver_of_prefix)
  measure windows window "$pid" "$log" "$server"
  scripts/wine-run.sh build/windows/benchmarks/renderer_command.exe minimise
  sleep 2
  measure windows minimised "$pid" "$log" "$server"
  scripts/wine-run.sh build/windows/benchmarks/renderer_command.exe close
  wait "$pid" || echo "windows: exit code $?"
  wineserver -w
  kill "$xvfb_pid"
}

# The pacer alone on each platform's real clock, with 2 ms frames that draw nothing: the hold at
# 60 frames a second that the renderers' own frames are too slow to show here.
run_clock() {
  [ -x build/linux/benchmarks/pacer_clock ] && echo "native clock:  $(build/linux/benchmarks/pacer_clock "$seconds" 2)"
  [ -f build/windows/benchmarks/pacer_clock.exe ] &&
    echo "Windows clock: $(scripts/wine-run.sh build/windows/benchmarks/pacer_clock.exe "$seconds" 2 2>/dev/null </dev/null)"
  true
}

echo "programs from $programs; $seconds s each; CPU in CPU-seconds per second"
printf "%-9s %-10s %6s %4s %4s %8s %10s %8s %11s %5s\n" program state fps min max cpu ms/frame Xvfb wineserver load
run_native
run_windows
run_clock
