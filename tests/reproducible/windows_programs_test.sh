#!/usr/bin/env bash
# Two builds of one tree give the same Windows programs, zip and installer, byte for byte,
# wherever and whenever they are made. The build in BUILD_DIR (default build/windows, which
# scripts/test-all.sh makes) is compared with two more, made from copies of the same tree in
# folders of other names and depths (one with spaces), each later than the one before, with
# another time zone and umask; only the shipped programs, the zip and the installer are built
# there. The date the files carry comes from SOURCE_DATE_EPOCH or else the commit, in all three.
#
#   bash tests/reproducible/windows_programs_test.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
reference="$(cd "${1:-$root/build/windows}" && pwd)"

# copy_tree SOURCE DEST: the files of the tree SOURCE as git sees them (tracked, and new ones that
# are not ignored; no build folders), as they are on disk, into DEST. DEST's .git names SOURCE's
# repository, so that a build there reads the same commit and date (git is only read there).
# Outside git, everything but build/ is copied.
copy_tree() {
  local source=$1 dest=$2 git_dir
  mkdir -p "$dest"
  if git_dir=$(git -C "$source" rev-parse --absolute-git-dir 2>/dev/null); then
    git -C "$source" ls-files -z --cached --others --exclude-standard |
      tar -C "$source" --null -T - --ignore-failed-read --warning=no-failed-read -cf - | tar -C "$dest" -xf -
    printf 'gitdir: %s\n' "$git_dir" >"$dest/.git"
  else
    tar -C "$source" --exclude=./build -cf - . | tar -C "$dest" -xf -
  fi
}

# compare_builds FIRST SECOND FILE...: each FILE (relative to both folders) byte for byte; says
# which differ and where. Its status is the number of files that differ.
compare_builds() {
  local first=$1 second=$2 file differing=0
  shift 2
  for file in "$@"; do
    if cmp -s "$first/$file" "$second/$file"; then
      echo "same: $file"
    else
      echo "DIFFERENT: $file: $(cmp "$first/$file" "$second/$file" 2>&1 | head -n 1)"
      differing=$((differing + 1))
    fi
  done
  return "$differing"
}

version=$(sed -n 's/^project(Morvantis VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
shipped=(shipped/モルヴァンティス.scr shipped/モルヴァンティス.dll "morvantis-windows-$version.zip"
  "Morvantis-Setup-$version.exe")
for file in "${shipped[@]}"; do
  [ -f "$reference/$file" ] || { echo "reproducible: $reference/$file is missing: build the windows preset first" >&2; exit 1; }
done
if grep -q '^MORVANTIS_SIGN_CERT:FILEPATH=.' "$reference/CMakeCache.txt" 2>/dev/null; then
  echo "reproducible: $reference signs what it builds: compare unsigned builds" >&2
  exit 1
fi

work="$root/build/reproducible/windows"
rm -rf "$work"
status=0
for copy in "$work/copy one" "$work/another folder/copy two"; do
  echo "== Building the shipped files in $copy"
  copy_tree "$root" "$copy"
  (
    cd "$copy"
    unset MORVANTIS_SIGN_CERT MORVANTIS_SIGN_KEY MORVANTIS_SIGN_TIMESTAMP_URL
    [ "$copy" = "$work/copy one" ] && export TZ=Asia/Tokyo || export TZ=America/Los_Angeles
    umask 0002
    cmake --preset windows -DMORVANTIS_TESTS=OFF -DMORVANTIS_BENCHMARKS=OFF >/dev/null
    cmake --build --preset windows -j "${MORVANTIS_JOBS:-2}" --target installer package_zip >/dev/null
  )
  compare_builds "$reference" "$copy/build/windows" "${shipped[@]}" || status=1
done
if [ "$status" -ne 0 ]; then
  echo "reproducible: the builds differ; they are kept in $work" >&2
  exit 1
fi
rm -rf "$work"
echo "reproducible: the Windows programs, zip and installer are the same in every build"
