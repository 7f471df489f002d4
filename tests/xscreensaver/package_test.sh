#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root as dpkg would install it: the hack and its
# settings file lie where xscreensaver looks, the settings file passes only options the hack
# understands, the dependencies were found from the libraries the program links, and the
# unpacked program renders with the textures installed beside it. The documents Debian's policy
# asks for are there (a machine-readable copyright file, the changelog of this version, a manual
# page naming every option), and lintian finds no error, no warning and no missing hardening.
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

doc=$root/usr/share/doc/morvantis
head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
version=$(dpkg-deb -f "$deb" Version)
changes=$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version) || fail "the changelog cannot be read"
[ "$changes" = "$version" ] || fail "the changelog's last entry is for $changes, the package is $version"
manual=$root/usr/share/man/man6/morvantis.6x.gz
page=$(zcat "$manual" | MANWIDTH=80 man --warnings -E UTF-8 -l - 2>"$scratch/man.stderr") || fail "the manual page does not format"
[ ! -s "$scratch/man.stderr" ] || fail "the manual page has faults: $(cat "$scratch/man.stderr")"
for option in $("$hack" --help | grep -oE '^  --[a-z-]+'); do
  grep -qF -- "$option" <<<"$page" || fail "the manual page does not describe $option"
done

# Only notes may remain (lintian's informational tags), and none about hardening.
command -v lintian >/dev/null || fail "lintian is missing (scripts/setup.sh installs it)"
lintian --display-info "$deb" >"$scratch/lintian" 2>&1 || true
if grep -E '^[EW]: |hardening' "$scratch/lintian"; then fail "lintian: $(cat "$scratch/lintian")"; fi

"$hack" --help | grep -qF "(default: $root/usr/share/morvantis)" || fail "the program does not use its installed textures"
"$hack" --snapshot "$scratch/frame.png" --frames 3 --size 64x48 || fail "the unpacked program cannot render"
echo "package test passed: $deb"
