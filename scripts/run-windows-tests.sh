#!/usr/bin/env bash
# Runs the Windows build's tests under Wine and Xvfb (extra arguments go to ctest).
#
# One Wine server and one set of Wine's own services are kept up for the whole run, started
# with their output sent elsewhere: each test program then starts in a fraction of the time,
# and no service that a test program happened to start can hold that test's output open.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export MORVANTIS_WINEPREFIX="${MORVANTIS_WINEPREFIX:-$PWD/build/wineprefix}"
export WINEPREFIX="$MORVANTIS_WINEPREFIX"
exec scripts/with-xvfb.sh bash -c '
  scripts/wine-run.sh wineboot -i >/dev/null 2>&1 </dev/null || true
  wineserver -w
  bash scripts/wine-setup.sh
  wineserver -w
  wineserver -p >/dev/null 2>&1 </dev/null
  scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 </dev/null || true
  status=0
  ctest --preset windows "$@" || status=$?
  wineserver -k 2>/dev/null || true
  exit $status' run-windows-tests "$@"
