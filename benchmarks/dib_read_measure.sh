#!/usr/bin/env bash
# What the DIB readers read of a file that is mostly not picture: a small BMP padded with a
# hole to 1 GiB (a sparse file: no disk is used), read once by the native reader and, when the
# Windows build is there, once by the Windows reader under Wine. Prints time and peak memory.
#
#   bash benchmarks/dib_read_measure.sh [PICTURE.bmp]   (default: the BMP suite's g/rgb24.bmp,
#                                                        a 127 x 64 picture, or a carried texture)
# Needs build/linux (cmake --preset linux && cmake --build --preset linux) and optionally
# build/windows.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
suite="${MORVANTIS_TESTDATA_DIR:-../shared/testdata}/bmpsuite/g/rgb24.bmp"
picture="${1:-$([ -f "$suite" ] && echo "$suite" || echo assets/Morvantis1.bmp)}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$picture" "$work/padded.bmp"
truncate -s 1G "$work/padded.bmp"
echo "$(basename "$picture") padded to $(du --apparent-size -h "$work/padded.bmp" | cut -f1)" \
  "($(du -h "$work/padded.bmp" | cut -f1) on disk)"
echo -n "native:  "
build/linux/benchmarks/dib_read_measure "$work/padded.bmp"
if [ -x build/windows/benchmarks/dib_read_measure.exe ]; then
  echo -n "Windows: "
  scripts/with-xvfb.sh scripts/wine-run.sh build/windows/benchmarks/dib_read_measure.exe \
    "Z:$work/padded.bmp" 2>/dev/null | tr -d '\r'
fi
