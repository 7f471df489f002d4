#!/usr/bin/env bash
# Takes the picture of the settings dialog that the README shows: the Windows saver host of a
# build, installed with a music file chosen, opened with /c under Wine and Xvfb, and its window
# captured from the X display.
#
#   scripts/dialog-screenshot.sh [windows build folder] [picture]
#
# Defaults: build/windows (the preset's folder) and docs/settings-dialog.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export SHOT_BIN="${1:-build/windows}/bin" SHOT_OUT="$(realpath -m "${2:-docs/settings-dialog.png}")"
if [ ! -e "$SHOT_BIN/モルヴァンティス.scr" ] || [ ! -e "$SHOT_BIN/モルヴァンティス.dll" ]; then
  echo "no Windows programs in $SHOT_BIN: build them first (cmake --build --preset windows)" >&2
  exit 1
fi
bash scripts/setup.sh

exec scripts/with-xvfb.sh bash -c '
set -euo pipefail
prefix="${MORVANTIS_WINEPREFIX:-$PWD/build/wineprefix}"
[ -d "$prefix/drive_c" ] || scripts/wine-run.sh wineboot -i >/dev/null 2>&1 || true
WINEPREFIX="$prefix" wineserver -w
bash scripts/wine-setup.sh

# A fresh copy of the saver with a music file chosen in its settings (code page 932).
folder="$prefix/drive_c/morvantis-screenshot"
rm -rf "$folder"
mkdir -p "$folder/音楽"
cp "$SHOT_BIN/モルヴァンティス.scr" "$SHOT_BIN/モルヴァンティス.dll" "$folder/"
: > "$folder/音楽/テーマ曲.mp3"
printf "[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\\\morvantis-screenshot\\\\音楽\\\\テーマ曲.mp3\r\n" |
  iconv -f UTF-8 -t CP932 > "$folder/モルヴァンティス.ini"

scripts/wine-run.sh "$folder/モルヴァンティス.scr" /c >/dev/null 2>&1 &
host=$!
trap "kill $host 2>/dev/null || true; wait $host 2>/dev/null || true; rm -rf \"$folder\"" EXIT
window=""
for _ in $(seq 150); do
  window=$(xwininfo -root -tree | grep -F "\"<モルヴァンティス>\"" | awk "{print \$1}" | head -n1) || true
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the dialog did not open" >&2; exit 1; }
sleep 1  # let it paint
mkdir -p "$(dirname "$SHOT_OUT")"
import -window "$window" png:- | convert png:- -strip "$SHOT_OUT"
echo "saved $SHOT_OUT"
'
