#!/usr/bin/env bash
# Two builds of one commit give the same Debian package, byte for byte. The two are made from
# clones in folders of different names and lengths, one after the other, with different umasks,
# time zones and locales, and without SOURCE_DATE_EPOCH (the commit's date stands in). Each builds
# only what the package holds. What is compared is the commit: changes not yet committed are not
# in the clones.
# Usage: tests/reproducible/linux_package_test.sh [JOBS]
set -euo pipefail
repo=$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse --show-toplevel)
jobs=${1:-2}
commit=$(git -C "$repo" rev-parse HEAD)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset SOURCE_DATE_EPOCH
[ -z "$(git -C "$repo" status --porcelain --untracked-files=no)" ] ||
  echo "reproducible package: comparing commit ${commit:0:12}; the changes not committed are left out"

# build SOURCE UMASK TZ LANG: the package of $commit, built in SOURCE; prints its path.
build() {
  local source=$1
  git clone --quiet --shared --no-checkout "$repo" "$source"
  git -C "$source" -c advice.detachedHead=false checkout --quiet "$commit"
  (
    cd "$source"
    umask "$2"
    export TZ=$3 LC_ALL=$4
    cmake --preset linux -DMORVANTIS_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build --preset linux -j "$jobs" --target morvantis package_documents
    cpack --preset linux
  ) >"$source.log" 2>&1 || { cat "$source.log" >&2; echo "FAIL: the build in $source failed" >&2; exit 1; }
  ls "$source"/build/linux/morvantis_*.deb
}

first=$(build "$scratch/a" 022 UTC C.UTF-8)
second=$(build "$scratch/second-build-in-a-longer-folder/morvantis" 002 Asia/Tokyo ja_JP.UTF-8)
if ! cmp "$first" "$second"; then
  diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") || true
  cmp -l "$first" "$second" | head -5
  echo "FAIL: two builds of ${commit:0:12} give different packages" >&2
  exit 1
fi
date=$(git -C "$repo" log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M')
listing=$(dpkg-deb -c "$first")
grep -q " $date \./usr/libexec/xscreensaver/morvantis$" <<<"$listing" ||
  { echo "$listing" >&2; echo "FAIL: the packed files do not carry the commit's date, $date" >&2; exit 1; }
echo "reproducible package: two builds of ${commit:0:12} give the same $(basename "$first")"
