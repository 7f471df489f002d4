#!/usr/bin/env bash
# Runs a Windows program like wine-run.sh, with Wine's MCI and multimedia traces of it and of
# every program it starts appended to a file (the first argument).
#
# Wine offers a wave output device only where ALSA has one: a null device, which plays into
# nothing, gives the programs one, so that WAV music is really opened and played.
trace=$1
shift
export WINEDEBUG=+mci,+winmm
export ALSA_CONFIG_PATH="$trace.alsa.conf"
printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n' >"$ALSA_CONFIG_PATH"
exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@" 2>>"$trace"
