#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root as dpkg would install it: the hack and its
# settings file lie where xscreensaver looks, the settings file passes only options the hack
# understands, the dependencies were found from the libraries the program links, and the
# unpacked program renders with the textures installed beside it.
# Usage: package_test.sh DEB
set -euo pipefail
deb=$1
source "$(dirname "$0")/lib.sh"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
hack=$root/usr/libexec/xscreensaver/morvantis
config=$root/usr/share/xscreensaver/config/morvantis.xml
[ -x "$hack" ] || fail "no program at /usr/libexec/xscreensaver/morvantis"
[ -f "$config" ] || fail "no settings file at /usr/share/xscreensaver/config/morvantis.xml"

xmllint --noout "$config" || fail "the settings file is not well-formed XML"
name=$(xmllint --xpath 'string(/screensaver/@name)' "$config")
[ "$name" = morvantis ] || fail "the settings file names \"$name\", not the program"
options=$(xmllint --xpath '/screensaver/command/@arg | //@arg-set | //@arg-unset' "$config" |
  sed -E 's/ *arg(-set|-unset)?="([^"]*)"/\2\n/g')
# shellcheck disable=SC2086  # each option is one word
"$hack" $options --help >/dev/null || fail "the program refuses the settings file's options: $options"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libglx0 libopengl0 libegl1 libx11-6; do
  grep -qE "(^|[ ,|])$library([ ,(]|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

"$hack" --help | grep -qF "(default: $root/usr/share/morvantis)" || fail "the program does not use its installed textures"
"$hack" --snapshot "$scratch/frame.png" --frames 3 --size 64x48 || fail "the unpacked program cannot render"
echo "package test passed: $deb"
