# Shared by the tests on two monitors: Xorg with the dummy video driver on a display of its own,
# its RandR outputs laid out as a desk, and screenshots read monitor by monitor.
source "$(dirname "${BASH_SOURCE[0]}")/../xscreensaver/lib.sh"
trap 'exit 143' TERM INT HUP  # a stopped test still ends its Xorg (the EXIT cleanups)

# Xorg runs as root here (as in CI); for anyone else the test is skipped (ctest: exit code 77).
require_xorg() {
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: Xorg with the dummy driver needs root"; exit 77; }
  command -v Xorg >/dev/null || fail "no Xorg: scripts/setup.sh installs it"
}

# start_xorg: Xorg on a free display, with DISPLAY pointing at it and the desktop painted red.
# It starts with one monitor (DUMMY0) lit at 1024 x 768: lay out the desk next.
start_xorg() {
  rm -f "$scratch/display"
  Xorg -displayfd 3 -config "$(dirname "${BASH_SOURCE[0]}")/xorg-dummy.conf" -noreset -nolisten tcp \
    -logfile "$scratch/xorg.log" 3>"$scratch/display" >/dev/null 2>&1 &
  cleanups+=("kill $!; wait $!")
  wait_until 30 test -s "$scratch/display" || { cat "$scratch/xorg.log" >&2; fail "Xorg did not start"; }
  export DISPLAY=":$(cat "$scratch/display")"
  xsetroot -solid red
}

# A 1280x1024 primary (DUMMY0) and an 800x600 monitor right of it (DUMMY1).
two_monitors() {
  xrandr --addmode DUMMY1 800x600 2>/dev/null || true
  xrandr --output DUMMY0 --mode 1280x1024 --primary --output DUMMY1 --mode 800x600 --right-of DUMMY0
}

one_monitor() { xrandr --output DUMMY1 --off --output DUMMY0 --mode 1280x1024 --primary; }

# The lit outputs as "NAME WIDTHxHEIGHT+X+Y", one a line.
outputs() {
  xrandr | awk '/ connected/ { for (i = 3; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) print $1, $i }'
}

# outputs_are LINE...: the lit outputs are exactly these.
outputs_are() { [ "$(outputs)" = "$(printf '%s\n' "$@")" ]; }

screenshot() { import -window root "$scratch/root.png" 2>/dev/null; }

# red_fraction GEOMETRY: the share of the screenshot's pixels there that show the red desktop.
red_fraction() {
  convert "$scratch/root.png" -crop "$1" +repage -fuzz 10% -fill black +opaque red -fill white -opaque red \
    -colorspace gray -format '%[fx:mean]' info:
}

# lit_in GEOMETRY: the share of the screenshot's pixels there brighter than 5% grey.
lit_in() {
  convert "$scratch/root.png" -crop "$1" +repage -colorspace gray -threshold 5% -format '%[fx:mean]' info:
}

at_least() { awk -v f="$1" -v min="$2" 'BEGIN { exit !(f >= min) }'; }

# scene_on GEOMETRY: a fresh screenshot shows the scene there: at least 0.1% of it lit, and
# (nearly) none of it the desktop's red.
scene_on() { screenshot && at_least "$(lit_in "$1")" 0.001 && ! at_least "$(red_fraction "$1")" 0.01; }

# shows_scene_beside_black SCENE_GEOMETRY BLACK_GEOMETRY: a fresh screenshot has the scene on
# one monitor and nothing at all on the other.
shows_scene_beside_black() { scene_on "$1" && [ "$(lit_in "$2")" = 0 ]; }

# desktop_on GEOMETRY...: a fresh screenshot shows the red desktop whole on each.
desktop_on() {
  screenshot || return 1
  local geometry
  for geometry in "$@"; do [ "$(red_fraction "$geometry")" = 1 ] || return 1; done
}
