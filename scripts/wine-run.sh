#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix, a locale and the display that
# the caller started. Used by ctest as the cross-compiling emulator. The locale is Japanese (code
# page 932) unless MORVANTIS_WINE_LOCALE names another (en_US.UTF-8 gives 1252, zh_CN.UTF-8 936):
# Wine takes a program's code page from it at the program's start, so one prefix serves all.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${MORVANTIS_WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL="${MORVANTIS_WINE_LOCALE:-ja_JP.UTF-8}" LANG="${MORVANTIS_WINE_LOCALE:-ja_JP.UTF-8}"
export DISPLAY="${DISPLAY:-:99}"
exec wine "$@"
