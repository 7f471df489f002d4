#!/usr/bin/env bash
# The hack run by the real xscreensaver, installed as `cmake --install` installs it and listed as
# a user lists it. Activated, the daemon starts it with XSCREENSAVER_WINDOW set and the screen
# shows the scene; deactivated, it is gone within a second. xscreensaver-settings shows it in its
# live preview (the list's command with --window-id appended), and closing the settings ends it.
# The daemon refuses to run hacks as root, so as root both run as an unprivileged user made for
# this.
# Usage: daemon_test.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/lib.sh"
start_xvfb

chmod 755 "$scratch"  # the daemon's user reaches the hack and its home through it
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
hack=$prefix/libexec/xscreensaver/morvantis
home=$scratch/home
mkdir "$home"
# Hacks run at nice 10 by default: on a busy machine the first frames would come late.
cat >"$home/.xscreensaver" <<EOF
mode:		one
selected:	0
lock:		False
fade:		False
unfade:		False
dpmsEnabled:	False
nice:		0
programs:	GL: $hack --root \n\

EOF

as_user=()
if [ "$(id -u)" -eq 0 ]; then
  user=morvantis-hack
  id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
    id -u "$user" >/dev/null  # another run may have made it meanwhile
  chown -R "$user" "$home"
  as_user=(runuser -u "$user" --)
fi
as_daemon_user() { "${as_user[@]}" env HOME="$home" DISPLAY="$DISPLAY" "$@"; }
saver_command() { as_daemon_user xscreensaver-command "$@" >/dev/null 2>&1; }
fail_with_log() {
  cat "$home/log" >&2 || true
  ps -o pid,stat,wchan:32,cmd -u "${user:-$(id -un)}" >&2 || true
  fail "$@"
}

as_daemon_user xscreensaver --no-splash --verbose --log "$home/log" &
cleanups+=("kill $!" "saver_command -exit")
wait_until 20 saver_command -version || fail_with_log "the xscreensaver daemon did not start"

# The hack's process: the program at our install path (the daemon starts it without a shell).
hack_pid() {
  local pid
  for pid in $(pgrep -x morvantis); do
    [ "$(readlink "/proc/$pid/exe")" != "$hack" ] || { echo "$pid"; return 0; }
  done
  return 1
}
in_saver_window() { tr '\0' '\n' <"/proc/$1/environ" | grep -q '^XSCREENSAVER_WINDOW=.'; }
hack_running() { pid=$(hack_pid) && in_saver_window "$pid"; }

saver_command -activate || fail "xscreensaver-command -activate failed"
wait_until 10 hack_running || fail_with_log "the daemon did not start the hack in its window"
poll=0.5 wait_until 20 shows_scene root || fail "no scene on the screen (lit $(lit_fraction "$scratch/shot.png"))"

saver_command -deactivate || fail "xscreensaver-command -deactivate failed"
wait_until 1 gone "$pid" || fail "the hack still runs a second after the daemon was deactivated"

# The preview pane of the settings, drawn by the hack it started for it.
"${as_user[@]}" env HOME="$home" DISPLAY="$DISPLAY" xscreensaver-settings >"$home/settings.log" 2>&1 &
cleanups+=("kill $!")
window_named() { xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name || index($0, name) { print $1; exit }'; }
# The hack started with "--root --window-id <the pane>".
previewing() {
  window=$(window_named "XScreenSaver Settings Preview") && [ -n "$window" ] && pid=$(hack_pid) || return 1
  local args
  args=$(tr '\0' ' ' <"/proc/$pid/cmdline")
  [[ $args =~ --root\ --window-id\ (0x[0-9A-Fa-f]+) ]] && [ $((BASH_REMATCH[1])) -eq $((window)) ]
}
wait_until 30 previewing || { cat "$home/settings.log" >&2; fail_with_log "xscreensaver-settings did not start the hack in its preview"; }
poll=0.5 wait_until 20 shows_scene "$window" || fail "no scene in the settings' preview (lit $(lit_fraction "$scratch/shot.png"))"

"$build/tests/xscreensaver/window_command" close "$(window_named "XScreenSaver: Morvantis Settings")"
wait_until 10 gone "$pid" || fail "the hack still runs after the settings were closed"
