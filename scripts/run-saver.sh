#!/usr/bin/env bash
# Builds and runs the native renderer: full screen where a display exists (Escape ends it);
# without a display it renders headless and saves the last frame as a PNG.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target morvantis -j "$(nproc)"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec build/linux/libexec/xscreensaver/morvantis "$@"
fi
out="$PWD/morvantis-snapshot.png"
echo "No display: rendering 600 frames headless."
build/linux/libexec/xscreensaver/morvantis --snapshot "$out" --frames 600 "$@"
echo "Saved the picture as $out"
