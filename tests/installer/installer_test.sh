#!/usr/bin/env bash
# The Windows installer and its uninstaller, in a Wine prefix of their own made fresh for this run,
# silent (/S) except where the test program drives their pages: what the installer is made of
# (no debug sections, version information, a DPI-aware manifest); a folder that cannot be written
# to; an install (files with the source's date, registry values, the session told); the saver
# started from the path the screen-saver setting names, during which neither installer nor
# uninstaller changes anything; an uninstaller copied elsewhere that changes nothing; a second
# install over the first, then one into another folder that moves the install there; an uninstall
# that puts the previous screen saver and the screen savers' switch back; an uninstall after the
# programs were deleted by hand, and one after the user chose another saver.
#
#   installer_test.sh INSTALLER SAVER_TESTS SHIPPED_PROGRAMS VERSION PREFIX OBJDUMP WINDRES
set -uo pipefail
installer=$1 saver_tests=$2 programs=$3 version=$4 objdump=$6 windres=$7
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
second="$WINEPREFIX/drive_c/second" second_win='C:\second'
textures="$WINEPREFIX/drive_c/n_orvi"
host=モルヴァンティス.scr renderer=モルヴァンティス.dll settings=モルヴァンティス.ini
desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvantis'
own_key='HKCU\Software\Morvantis'
previous='C:\windows\system32\previous.scr'
homepage='https://morvantis.example/'
screen_saver_settings() { values "$desktop" | grep -E '^(SCRNSAVE\.EXE|ScreenSaveActive)='; }
# Uninstalls silently the install in the Windows folder $1, with Wine's trace channels $2.
uninstall() { WINEDEBUG=${2:--all} wine "$1\\uninstall.exe" /S 2>"$WINEPREFIX/trace"; settle; }
# The programs of the install in $1 and everything the registry records of it.
install_state() {
  ls -l --full-time "$1/$host" "$1/$renderer" "$1/uninstall.exe" 2>&1
  values "$desktop"
  values "$uninstall_key"
  values "$own_key"
}
no_debug_sections() { ! "$objdump" -h "$1" | grep -q ' \.debug_'; }
spi_traced() {  # SystemParametersInfo(SPI_SETSCREENSAVEACTIVE, $1, 0, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
  grep -q "NtUserSystemParametersInfo (17, $1, (nil), 3) ret 1" "$WINEPREFIX/trace"
}

echo "== What the installer is made of"
for file in "$installer" "$programs/$host" "$programs/$renderer"; do
  check "$(basename "$file") has no debug sections" no_debug_sections "$file"
done
version_info=$("$windres" -i "$installer" -O rc 2>/dev/null | grep -E '^ *(VALUE|[A-Z]+VERSION) ')
for key in ProductName FileDescription CompanyName LegalCopyright; do
  check "the installer's version information has $key in both languages" \
    [ "$(grep -c "VALUE \"$key\", " <<<"$version_info")" -eq 2 ]
done
for key in ProductVersion FileVersion; do
  check "the installer's $key is $version.0" [ "$(grep -c "VALUE \"$key\", \"$version.0\"" <<<"$version_info")" -eq 2 ]
done
check "the installer's version is ${version//./, }, 0" \
  grep -q "PRODUCTVERSION ${version//./, }, 0" <<<"$version_info"
check "the installer's manifest declares it DPI aware" \
  grep -q '<dpiAware[^>]*>true</dpiAware>' <(strings -n 20 "$installer")

echo "== A fresh Wine prefix, with a screen saver chosen and screen savers switched off"
chattr -i "$dir" 2>/dev/null  # left read-only by a run that was stopped
rm -rf "$WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
wine reg add "$desktop" /v SCRNSAVE.EXE /d "$previous" /f >/dev/null
wine reg add "$desktop" /v ScreenSaveActive /d 0 /f >/dev/null
settings_before=$(screen_saver_settings)

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
WINEDEBUG=+system wine "$installer" /S 2>"$WINEPREFIX/trace"
check "the installer ends with exit code 0" [ $? -eq 0 ]
for file in "$host" "$renderer"; do
  check "$file is installed" cmp -s "$programs/$file" "$dir/$file"
  late=$(($(stat -c %Y "$programs/$file") - $(stat -c %Y "$dir/$file")))  # NSIS keeps times to 2 s
  check "$file carries the source's date ($late s apart)" [ "$late" -ge 0 -a "$late" -le 1 ]
done
check "the uninstaller has no debug sections" no_debug_sections "$dir/uninstall.exe"
check "the uninstall entry" diff <(values "$uninstall_key" | grep -v '^EstimatedSize=') - <<EOF
DisplayIcon=$dir_win\\$host
DisplayName=モルヴァンティス
DisplayVersion=$version
HelpLink=$homepage
InstallLocation=$dir_win
NoModify=0x1
NoRepair=0x1
Publisher=Morvantis
QuietUninstallString="$dir_win\\uninstall.exe" /S
URLInfoAbout=$homepage
UninstallString="$dir_win\\uninstall.exe"
EOF
kilobytes=$(($(cat "$dir"/* | wc -c) / 1024))
estimated=$(($(value "$uninstall_key" EstimatedSize)))
check "EstimatedSize $estimated is the folder's $kilobytes KB" [ $(((estimated - kilobytes) ** 2)) -le 1 ]
saver=$(value "$desktop" 'SCRNSAVE\.EXE')
check "SCRNSAVE.EXE $saver names the installed saver" [ "$(wine winepath -u "$saver" 2>/dev/null)" -ef "$dir/$host" ]
check "SCRNSAVE.EXE $saver is the short (8.3) path" grep -qE '^C:(\\[^\\ .]{1,8}(\.[^\\ .]{1,3})?)+$' <<<"$saver"
check "ScreenSaveActive is 1" [ "$(value "$desktop" ScreenSaveActive)" = 1 ]
check "the session is told that screen savers are on" spi_traced 1

echo "== The installed saver: a session, its preview and its settings dialog's 設定; meanwhile neither"
echo "   the installer nor the uninstaller changes anything"
installed=$(install_state "$dir")
log=$(mktemp)
MORVANTIS_INSTALLER="Z:$installer" wine "$saver_tests" >"$log" 2>&1  # a program left running would hold a pipe open: a file
check "the installed saver runs, and is left alone while it runs (output below)" [ $? -eq 0 ]
cat "$log"
rm -f "$log"
settle
check "the programs, the uninstaller and the registry entries are as installed" [ "$(install_state "$dir")" = "$installed" ]
check "the settings file is written beside the installed saver" [ -f "$dir/$settings" ]
check "the session wrote its textures" [ -f "$textures/Morvantis1.bmp" -a -f "$textures/Morvantis2.bmp" ]

echo "== An uninstaller copied into another folder changes nothing"
mkdir -p "$WINEPREFIX/drive_c/copy"
cp "$dir/uninstall.exe" "$WINEPREFIX/drive_c/copy/"
wine 'C:\copy\uninstall.exe' /S '_?=C:\copy'
status=$?
check "the copy, waited for, ends with exit code 2, not $status" [ "$status" -eq 2 ]
wine 'C:\copy\uninstall.exe' /S
settle
check "the programs, the uninstaller and the registry entries are as installed" [ "$(install_state "$dir")" = "$installed" ]
check "the copy's folder keeps the copy" [ -f "$WINEPREFIX/drive_c/copy/uninstall.exe" ]
check "the textures stay" [ -f "$textures/Morvantis1.bmp" ]
rm -rf "$WINEPREFIX/drive_c/copy"

echo "== A second install over the first"
cp "$dir/$settings" "$WINEPREFIX/settings-before"
: >"$dir/$renderer"
wine "$installer" /S
check "the second install ends with exit code 0" [ $? -eq 0 ]
check "the renderer is replaced" cmp -s "$programs/$renderer" "$dir/$renderer"
check "the settings file is kept" cmp -s "$WINEPREFIX/settings-before" "$dir/$settings"

echo "== An install into another folder moves the install there"
# Recorded only in the installer's own key, as by installers made before the entry had it.
wine reg delete "$uninstall_key" /v InstallLocation /f >/dev/null
wine "$installer" /S "/D=$second_win"
check "the install into $second_win ends with exit code 0" [ $? -eq 0 ]
check "the first folder is gone, programs, uninstaller and all" [ ! -e "$dir" ]
for file in "$host" "$renderer"; do check "$file is installed in $second_win" cmp -s "$programs/$file" "$second/$file"; done
check "the settings file moved along" cmp -s "$WINEPREFIX/settings-before" "$second/$settings"
check "the uninstall entry's InstallLocation is $second_win" [ "$(value "$uninstall_key" InstallLocation)" = "$second_win" ]
check "SCRNSAVE.EXE names the saver in $second_win" \
  [ "$(wine winepath -u "$(value "$desktop" 'SCRNSAVE\.EXE')" 2>/dev/null)" -ef "$second/$host" ]

echo "== Uninstall"
uninstall "$second_win" +system,+msg
check "the programs and the uninstaller are removed, the settings file kept" \
  [ "$(ls -A "$second")" = "$settings" ]
check "the textures and their folder are removed" [ ! -e "$textures" ]
check "the previous screen saver is back, and screen savers are off again" \
  [ "$(screen_saver_settings)" = "$settings_before" ]
check "the session is told that screen savers are off" spi_traced 0
check "every window is told that the screen-saver settings changed" \
  grep -q 'msg 1a (WM_WININICHANGE) wp 0 ' "$WINEPREFIX/trace"
check "no uninstall entry and no key of the installer" no_entries
rm -rf "$second"

echo "== No screen saver and no switch before; the programs deleted by hand before the uninstall"
wine reg delete "$desktop" /v SCRNSAVE.EXE /f >/dev/null
wine reg delete "$desktop" /v ScreenSaveActive /f >/dev/null
wine "$installer" /S
rm -f "$dir/$host" "$dir/$renderer" "$dir/$settings"
mkdir -p "$textures"
touch "$textures/Morvantis1.bmp" "$textures/Morvantis2.bmp" "$textures/mine.txt"
uninstall "$dir_win"
check "SCRNSAVE.EXE and ScreenSaveActive are removed" [ -z "$(screen_saver_settings)" ]
check "no uninstall entry and no key of the installer" no_entries
check "the install folder is removed" [ ! -e "$dir" ]
check "of the texture folder only the textures are removed" [ "$(ls -A "$textures")" = mine.txt ]

echo "== Another screen saver chosen after the install stays, with the switch as the user left it"
wine "$installer" /S
wine reg add "$desktop" /v SCRNSAVE.EXE /d 'C:\other.scr' /f >/dev/null
wine reg add "$desktop" /v ScreenSaveActive /d 0 /f >/dev/null
uninstall "$dir_win"
check "the other screen saver stays, and screen savers stay off" \
  [ "$(screen_saver_settings)" = "$(printf 'SCRNSAVE.EXE=C:\\other.scr\nScreenSaveActive=0')" ]

wineserver -k 2>/dev/null
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; the prefix is kept in $WINEPREFIX" >&2
  exit 1
fi
rm -rf "$WINEPREFIX"
echo "all checks passed"
