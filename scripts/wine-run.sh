#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix, a Japanese locale (code
# page 932) and the display that the caller started. Used by ctest as the cross-compiling emulator.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${MORVANTIS_WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8
export DISPLAY="${DISPLAY:-:99}"
exec wine "$@"
