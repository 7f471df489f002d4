#!/usr/bin/env bash
# The Windows installer and its uninstaller, silent (/S), in a Wine prefix of their own made
# fresh for this run: a folder that cannot be written to, an install (files, registry values, the
# saver started from the path the screen-saver setting names, an upgrade refused while it runs),
# a second install over the first, an uninstall that puts the previous screen saver back, then an
# uninstall after the programs were deleted by hand, and one after the user chose another saver.
#
#   installer_test.sh INSTALLER SAVER_TESTS PROGRAMS VERSION PREFIX
set -uo pipefail
installer=$1 saver_tests=$2 programs=$3 version=$4
export MORVANTIS_WINEPREFIX=$5 WINEPREFIX=$5
scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)"

wine() { "$scripts/wine-run.sh" "$@" </dev/null; }
# Waits until every program of the prefix has ended (the uninstaller goes on in a copy of itself),
# then starts Wine's services again with their output sent elsewhere: a service started by a
# later call would hold that call's pipe open.
settle() { timeout 120 wineserver -w; wine cmd /c exit >/dev/null 2>&1; }
# A key's values, one "name=data" line each, sorted; nothing when the key is missing.
values() {
  wine reg query "$1" 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' |
    sed -n 's/^    \([^ ].*\)    REG_[A-Z_]*    \(.*\)$/\1=\2/p' | LC_ALL=C sort
}
value() { values "$1" | sed -n "s/^$2=//p"; }
absent() { ! wine reg query "$1" >/dev/null 2>&1; }
no_entries() { absent "$uninstall_key" && absent "$own_key"; }
failures=0
check() {  # check WHAT COMMAND...: counts a failure and goes on
  local what=$1
  shift
  "$@" || { echo "FAIL: $what" >&2; failures=$((failures + 1)); }
}

user=$(id -un)
dir="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Morvantis"
dir_win="C:\\users\\$user\\AppData\\Local\\Programs\\Morvantis"
textures="$WINEPREFIX/drive_c/n_orvi"
host=モルヴァンティス.scr renderer=モルヴァンティス.dll settings=モルヴァンティス.ini
desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvantis'
own_key='HKCU\Software\Morvantis'
previous='C:\windows\system32\previous.scr'
uninstall() { wine "$dir_win\\uninstall.exe" /S; settle; }

echo "== A fresh Wine prefix, with a screen saver chosen"
chattr -i "$dir" 2>/dev/null  # left read-only by a run that was stopped
rm -rf "$WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
wine reg add "$desktop" /v SCRNSAVE.EXE /d "$previous" /f >/dev/null

echo "== The install folder cannot be written to"
mkdir -p "$(dirname "$dir")"
snapshot() { ls -lAR --full-time "$(dirname "$dir")"; values "$desktop"; }
for blocker in "a file in its place" "a read-only folder"; do
  if [ "$blocker" = "a file in its place" ]; then
    echo mine >"$dir"
  elif ! { mkdir "$dir" && chattr +i "$dir"; } 2>/dev/null; then
    echo "SKIP: $blocker: chattr cannot make a folder read-only for root here"
    rm -rf "$dir"
    continue
  fi
  before=$(snapshot)
  wine "$installer" /S
  status=$?
  check "$blocker: the installer ends with exit code 2, not $status" [ "$status" -eq 2 ]
  check "$blocker: no file and no screen-saver setting is changed" [ "$(snapshot)" = "$before" ]
  check "$blocker: no uninstall entry and no key of the installer" no_entries
  chattr -i "$dir" 2>/dev/null
  rm -rf "$dir"
done

echo "== Install"
wine "$installer" /S
check "the installer ends with exit code 0" [ $? -eq 0 ]
for file in "$host" "$renderer"; do check "$file is installed" cmp -s "$programs/$file" "$dir/$file"; done
check "the uninstall entry" diff <(values "$uninstall_key" | grep -v '^EstimatedSize=') - <<EOF
DisplayIcon=$dir_win\\$host
DisplayName=モルヴァンティス
DisplayVersion=$version
NoModify=0x1
NoRepair=0x1
Publisher=Morvantis
QuietUninstallString="$dir_win\\uninstall.exe" /S
UninstallString="$dir_win\\uninstall.exe"
EOF
kilobytes=$(($(cat "$dir"/* | wc -c) / 1024))
estimated=$(($(value "$uninstall_key" EstimatedSize)))
check "EstimatedSize $estimated is the folder's $kilobytes KB" [ $(((estimated - kilobytes) ** 2)) -le 1 ]
saver=$(value "$desktop" 'SCRNSAVE\.EXE')
check "SCRNSAVE.EXE $saver names the installed saver" [ "$(wine winepath -u "$saver" 2>/dev/null)" -ef "$dir/$host" ]
check "SCRNSAVE.EXE $saver is the short (8.3) path" grep -qE '^C:(\\[^\\ .]{1,8}(\.[^\\ .]{1,3})?)+$' <<<"$saver"
check "ScreenSaveActive is 1" [ "$(value "$desktop" ScreenSaveActive)" = 1 ]

echo "== The installed saver: a session (an upgrade meanwhile is refused), and the settings dialog's 設定"
log=$(mktemp)
MORVANTIS_INSTALLER="Z:$installer" wine "$saver_tests" >"$log" 2>&1  # a program left running would hold a pipe open: a file
check "the installed saver runs (output below)" [ $? -eq 0 ]
cat "$log"
rm -f "$log"
check "the settings file is written beside the installed saver" [ -f "$dir/$settings" ]
check "the session wrote its textures" [ -f "$textures/Morvantis1.bmp" -a -f "$textures/Morvantis2.bmp" ]

echo "== A second install over the first"
cp "$dir/$settings" "$WINEPREFIX/settings-before"
: >"$dir/$renderer"
wine "$installer" /S
check "the second install ends with exit code 0" [ $? -eq 0 ]
check "the renderer is replaced" cmp -s "$programs/$renderer" "$dir/$renderer"
check "the settings file is kept" cmp -s "$WINEPREFIX/settings-before" "$dir/$settings"

echo "== Uninstall"
uninstall
check "the programs and the uninstaller are removed, the settings file kept" \
  [ "$(ls -A "$dir")" = "$settings" ]
check "the textures and their folder are removed" [ ! -e "$textures" ]
check "the previous screen saver is back" [ "$(value "$desktop" 'SCRNSAVE\.EXE')" = "$previous" ]
check "no uninstall entry and no key of the installer" no_entries

echo "== No screen saver before; the programs deleted by hand before the uninstall"
wine reg delete "$desktop" /v SCRNSAVE.EXE /f >/dev/null
wine "$installer" /S
rm "$dir/$host" "$dir/$renderer" "$dir/$settings"
mkdir -p "$textures"
touch "$textures/Morvantis1.bmp" "$textures/Morvantis2.bmp" "$textures/mine.txt"
uninstall
check "SCRNSAVE.EXE is removed" [ -z "$(values "$desktop" | grep '^SCRNSAVE\.EXE=')" ]
check "no uninstall entry and no key of the installer" no_entries
check "the install folder is removed" [ ! -e "$dir" ]
check "of the texture folder only the textures are removed" [ "$(ls -A "$textures")" = mine.txt ]

echo "== Another screen saver chosen after the install stays"
wine "$installer" /S
wine reg add "$desktop" /v SCRNSAVE.EXE /d 'C:\other.scr' /f >/dev/null
uninstall
check "the other screen saver stays" [ "$(value "$desktop" 'SCRNSAVE\.EXE')" = 'C:\other.scr' ]

wineserver -k 2>/dev/null
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; the prefix is kept in $WINEPREFIX" >&2
  exit 1
fi
rm -rf "$WINEPREFIX"
echo "all checks passed"
