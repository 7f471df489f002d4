# Shared by the hack's end-to-end drivers: a private Xvfb, waiting, and reading screenshots.

scratch=$(mktemp -d)
cleanups=()
cleanup() {
  local status=$? i
  set +e
  for ((i = ${#cleanups[@]} - 1; i >= 0; i--)); do eval "${cleanups[i]}" >/dev/null 2>&1; done
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_xvfb [DEPTH [XVFB_OPTION...]]: a display of our own (the daemon grabs its screen, and
# parallel tests must not see each other), 24 bits deep unless told otherwise.
# -noreset: a server looking for a free display removes the socket files of the busy ones it
# tries, and a server that resets after its last client finds its file gone and closes its
# listeners: the next client of a parallel test then finds no display at all.
start_xvfb() {
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -noreset -screen 0 "1024x768x${1:-24}" -nolisten tcp "${@:2}" 3>"$scratch/display" >/dev/null 2>&1 &
  cleanups+=("kill $!; wait $!")
  wait_until 20 test -s "$scratch/display" || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$scratch/display")"
}

now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# wait_until SECONDS COMMAND...: true as soon as COMMAND succeeds, false when time runs out.
# Tries every $poll seconds (screenshots are costly: poll=0.5 for them).
wait_until() {
  local end=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep "${poll:-0.05}"
  done
}

# Ended: no such process, or a zombie nobody has reaped yet.
gone() { [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

# Fraction of a picture's pixels brighter than 5% grey: 0 for a black window; the scene's first,
# fogged frame lights a few tenths of a percent, later ones several percent.
lit_fraction() {
  convert "$1" -colorspace gray -threshold 5% -format '%[fx:mean]' info:
}

# shows_scene WINDOW [GEOMETRY]: at least 0.1% of the pixels of a screenshot of WINDOW (cropped
# to GEOMETRY) are lit. Keeps the screenshot as $scratch/shot.png.
shows_scene() {
  import -window "$1" "$scratch/shot.png" 2>/dev/null || return 1
  [ -z "${2:-}" ] || mogrify -crop "$2" +repage "$scratch/shot.png"
  awk -v f="$(lit_fraction "$scratch/shot.png")" 'BEGIN { exit !(f >= 0.001) }'
}
