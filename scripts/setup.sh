#!/usr/bin/env bash
# Installs everything the build, the tests and a run need on Debian. Safe to run again.
set -euo pipefail

packages=(
  cmake make g++ ninja-build pkg-config
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  # The preloader reserves Wine's fixed address ranges before anything else can take them;
  # without it a program start now and then fails to map Wine's shared data.
  wine wine64 wine64-preloader xvfb xauth x11-utils locales fonts-ipafont-gothic
  libegl-dev libegl-mesa0 libgl1-mesa-dev libglu1-mesa-dev libx11-dev libxrandr-dev libpng-dev zlib1g-dev
  googletest libgtest-dev libbenchmark-dev
  # The picture of the settings dialog in the README is taken with ImageMagick's import; the
  # hack's end-to-end tests read their screenshots with it too.
  imagemagick
  # The Windows installer is built with NSIS (makensis), which ships 64-bit stubs; the zip beside
  # it with Info-ZIP; a release is signed with osslsigncode, and its test makes a certificate with
  # openssl.
  nsis zip unzip osslsigncode openssl
  # The native renderer as an xscreensaver hack: the daemon its tests drive, the tools that
  # build and check its Debian package (lintian, and man-db for its manual page), and the ones
  # the test drivers use.
  xscreensaver xscreensaver-gl dpkg-dev lintian man-db libxml2-utils procps passwd util-linux
  # A desk with two monitors: Xorg with the dummy driver gives real display modes and RandR
  # outputs (Xvfb shows Wine one monitor only); xrandr lays them out, xsetroot paints the desktop.
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get update -q
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes the ANSI code page and the encoding of Unix file names from the locale: the tests
# run the programs as on a Japanese (932), an English (1252) and a Chinese (936) Windows.
wanted=(ja_JP.UTF-8 en_US.UTF-8 zh_CN.UTF-8)
missing_locales=()
for l in "${wanted[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l%%.*}\.utf-\?8" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "setup: generating the locales ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    sudo_if_needed sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  done
  sudo_if_needed locale-gen >/dev/null
fi
