# Helpers for the checks that two builds of one tree give the same bytes (sourced, not run).

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
