#!/usr/bin/env bash
# Prepares the project's Wine prefix (see wine-run.sh) for the saver host's windows. Safe to run
# again; the test run and the screenshot script call it once the prefix exists.
#
# - The dialog font "ＭＳ Ｐゴシック" is not part of Wine: it and its English name map to IPA P
#   Gothic (fonts-ipafont-gothic, a proportional Japanese font made for the same role).
# - Xvfb has no window manager: the saver host's windows (and those of the dialog's tests) are
#   left unmanaged, so that Wine draws their title bar and border itself, as on Windows, and
#   closing one does not wait two seconds for a window manager that never answers.
# - Wine draws the title bar's close box with its Marlett font, which this Wine does not find
#   in its own data folder: a copy goes into the prefix's font folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
prefix="${MORVANTIS_WINEPREFIX:-$here/../build/wineprefix}"
reg() { "$here/wine-run.sh" reg "$@" >/dev/null 2>&1; }

for face in "ＭＳ Ｐゴシック" "MS PGothic"; do
  reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "IPAPGothic" /f
done
for program in モルヴァンティス.scr win32_dialog_tests.exe; do
  reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /t REG_SZ /d N /f
done

fonts="$prefix/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ] && [ -e /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
