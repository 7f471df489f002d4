#!/usr/bin/env bash
# Runs a Windows program like wine-run.sh, with Wine's MCI and multimedia traces of it and of
# every program it starts appended to a file (the first argument).
trace=$1
shift
export WINEDEBUG=+mci,+winmm
exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@" 2>>"$trace"
