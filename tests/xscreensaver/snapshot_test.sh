#!/usr/bin/env bash
# The headless snapshot saves a picture only whole and only where it may: a destination that
# cannot be written is refused before any frame is rendered (a million frames would take hours),
# a link to a device (one like /dev/full) is refused and left as it is, a full disk leaves the
# old picture, and a link to a picture gets the new one, a bare name in the working folder.
# Textures that are FIFOs or devices are refused by the reader instead of holding the program for
# ever; a missing one is passed over quietly.
# Usage: snapshot_test.sh PROGRAM TEXTURE_DIR
set -euo pipefail
program=$(realpath "$1") textures=$(realpath "$2")
source "$(dirname "$0")/lib.sh"

# snapshot NAME ARGS...: runs a small snapshot (ARGS after the defaults); $status, $scratch/NAME.stderr.
snapshot() {
  local name=$1
  shift
  status=0
  timeout 120 "$program" --textures "$textures" --frames 1 --size 16x12 "$@" 2>"$scratch/$name.stderr" || status=$?
}
# refused NAME MESSAGE ARGS...: the snapshot ends with 2 and says MESSAGE.
refused() {
  snapshot "$1" "${@:3}"
  [ "$status" -eq 2 ] && grep -qF "$2" "$scratch/$1.stderr" || fail "$1: status $status, $(cat "$scratch/$1.stderr")"
}
is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }
no_leftovers() { [ -z "$(find "$1" -maxdepth 1 -name '.*.png.*')" ] || fail "a temporary file was left in $1"; }

out=$scratch/out
mkdir "$out"
# A device like /dev/full, made here (as root), so that a fault could replace only the test's own
# node; without root a FIFO stands in.
mknod -m 666 "$scratch/full" c 1 7 2>/dev/null || mkfifo "$scratch/full"
ln -s "$scratch/full" "$out/full.png"
refused device-link "$out/full.png: not a regular file" --snapshot "$out/full.png"
[ "$(readlink "$out/full.png")" = "$scratch/full" ] && { [ -c "$scratch/full" ] || [ -p "$scratch/full" ]; } ||
  fail "the link to a device, or the device, was changed"

refused missing-folder "$out/none: No such file or directory" --snapshot "$out/none/frame.png" --frames 1000000
no_leftovers "$out"

echo old >"$out/picture.png"
ln -s picture.png "$out/link.png"
cd "$out"  # a bare name saves in the working folder
snapshot through-link --snapshot link.png
cd - >/dev/null
[ "$status" -eq 0 ] || fail "through a link: status $status, $(cat "$scratch/through-link.stderr")"
[ -L "$out/link.png" ] && is_png "$out/picture.png" || fail "the link was replaced, or its picture not written"
no_leftovers "$out"

# A full disk: a file system of two pages, one of them the old picture's.
disk=$scratch/disk
mkdir "$disk"
if mount -t tmpfs -o size=8k tmpfs "$disk" 2>/dev/null; then
  cleanups+=("umount $disk")
  echo old >"$disk/frame.png"
  refused full-disk "No space left on device" --snapshot "$disk/frame.png" --frames 60 --size 160x120
  [ "$(cat "$disk/frame.png")" = old ] || fail "a failed save changed the old picture"
  no_leftovers "$disk"
else
  echo "snapshot test: no full-disk case (mounting a small tmpfs needs root)"
fi

# Textures: a missing one is passed over without a word; a FIFO with no writer and a link to a
# device are refused by the reader.
odd=$scratch/odd-textures
mkdir "$odd"
cp "$textures/Morvantis2.bmp" "$odd/"
snapshot missing --snapshot "$out/missing.png" --textures "$odd"
[ "$status" -eq 0 ] && [ ! -s "$scratch/missing.stderr" ] || fail "a missing texture: status $status, $(cat "$scratch/missing.stderr")"
mkfifo "$odd/Morvantis1.bmp"
snapshot fifo --snapshot "$out/fifo.png" --textures "$odd"
[ "$status" -eq 0 ] && grep -qF "Error: Failed to open DIB file $odd/Morvantis1.bmp." "$scratch/fifo.stderr" ||
  fail "a FIFO texture: status $status, $(cat "$scratch/fifo.stderr")"
ln -sf /dev/zero "$odd/Morvantis2.bmp"
refused devices "no texture could be read from $odd" --snapshot "$out/devices.png" --textures "$odd"
grep -qF "Error: Failed to open DIB file $odd/Morvantis2.bmp." "$scratch/devices.stderr" ||
  fail "a device as texture: $(cat "$scratch/devices.stderr")"
