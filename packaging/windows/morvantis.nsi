; The Windows installer: both programs side by side in a folder of the user's own (the settings
; file is written beside the saver, so the folder must stay writable without administrator
; rights), Morvantis made the current screen saver, and an uninstaller that puts back what the
; installer changed. Built by CMake (packaging/windows/CMakeLists.txt):
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DPROGRAMS=<folder of the built programs>
;            -DICON=<icon> -DOUTFILE=<installer> morvantis.nsi

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define HOST "モルヴァンティス.scr"
!define RENDERER "モルヴァンティス.dll"
!define SETTINGS "モルヴァンティス.ini"
!define UNINSTALLER "uninstall.exe"
; The folder the saver writes its two textures to, at every session start.
!define TEXTURES "C:\n_orvi"
; The installer's own key: where it installed, what it set as the screen saver, what it replaced.
!define OWN_KEY "Software\Morvantis"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvantis"
!define DESKTOP_KEY "Control Panel\Desktop"

; English pages name it in Latin letters too: an English system may have no Japanese font.
Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Morvantis"
; An upgrade goes where the first install went.
InstallDirRegKey HKCU "${OWN_KEY}" "InstallDir"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenScreenSaverSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used where the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProductName ${LANG_ENGLISH} "Morvantis (モルヴァンティス)"
LangString ProductName ${LANG_JAPANESE} "モルヴァンティス"
LangString OpenScreenSaverSettings ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenScreenSaverSettings ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString FolderNotWritable ${LANG_ENGLISH} \
  "The folder $INSTDIR cannot be written to, or the screen saver in it is running.$\r$\nNothing was installed. Close the screen saver, or choose a folder you can write to."
LangString FolderNotWritable ${LANG_JAPANESE} \
  "フォルダ $INSTDIR に書き込めないか、その中のスクリーン セーバーが実行中です。$\r$\n何もインストールされていません。スクリーン セーバーを終了するか、書き込めるフォルダを選んでください。"
LangString RemoveSettings ${LANG_ENGLISH} "Also remove the settings file"
LangString RemoveSettings ${LANG_JAPANESE} "設定ファイルも削除する"

Section
  Call CheckInstallFolder
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}/${HOST}"
  File "${PROGRAMS}/${RENDERER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKCU "${OWN_KEY}" "InstallDir" "$INSTDIR"
  Call MakeCurrentScreenSaver
  Call RegisterUninstaller
SectionEnd

; Opening for appending changes nothing and fails where writing would.
!macro CheckReplaceable file
  ${If} ${FileExists} "${file}"
    FileOpen $0 "${file}" a
    FileClose $0
  ${EndIf}
!macroend

; Everything is checked before anything is changed: a folder that cannot be written to (read-only,
; or a file standing where it should be) or a program of an earlier install that cannot be
; replaced (running) ends the installation with nothing changed. A silent installation shows no
; message; its exit code is 2.
Function CheckInstallFolder
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\morvantis-write-check.tmp" w
  FileClose $0
  Delete "$INSTDIR\morvantis-write-check.tmp"
  !insertmacro CheckReplaceable "$INSTDIR\${HOST}"
  !insertmacro CheckReplaceable "$INSTDIR\${RENDERER}"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNotWritable)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; SCRNSAVE.EXE names the saver as Windows itself writes it: the short (8.3) path where the volume
; has short names, else the long one. The value it replaces is kept for the uninstaller, unless
; it is ours already (an upgrade), so that a reinstall does not forget the user's earlier saver.
Function MakeCurrentScreenSaver
  GetFullPathName /SHORT $1 "$INSTDIR\${HOST}"
  ${If} $1 == ""
    StrCpy $1 "$INSTDIR\${HOST}"
  ${EndIf}
  ReadRegStr $2 HKCU "${OWN_KEY}" "ScreenSaver"
  ${If} $2 == ""
    StrCpy $2 $1
  ${EndIf}
  ClearErrors
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
    DeleteRegValue HKCU "${OWN_KEY}" "PreviousScreenSaver"
  ${ElseIf} $0 != $2
  ${AndIf} $0 != $1
  ${AndIf} $0 != "$INSTDIR\${HOST}"
    WriteRegStr HKCU "${OWN_KEY}" "PreviousScreenSaver" "$0"
  ${EndIf}
  WriteRegStr HKCU "${OWN_KEY}" "ScreenSaver" "$1"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$1"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
FunctionEnd

Function RegisterUninstaller
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "モルヴァンティス"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${HOST}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Morvantis"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; The programs, the textures and the registry entries go; the settings file stays unless the
; user ticks its removal (a silent uninstall keeps it), and with it the folder.
Section "-un.Programs"
  Delete "$INSTDIR\${HOST}"
  Delete "$INSTDIR\${RENDERER}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${TEXTURES}\Morvantis1.bmp"
  Delete "${TEXTURES}\Morvantis2.bmp"
  RMDir "${TEXTURES}"
  Call un.RestoreScreenSaver
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${OWN_KEY}"
SectionEnd

Section /o "un.$(RemoveSettings)"
  Delete "$INSTDIR\${SETTINGS}"
  RMDir "$INSTDIR"
SectionEnd

; Puts back the saver the installer replaced, or removes ours when there was none; a saver the
; user chose since then stays.
Function un.RestoreScreenSaver
  ReadRegStr $1 HKCU "${OWN_KEY}" "ScreenSaver"
  ${If} $1 == ""
    StrCpy $1 "$INSTDIR\${HOST}"
  ${EndIf}
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == $1
  ${OrIf} $0 == "$INSTDIR\${HOST}"
    ClearErrors
    ReadRegStr $2 HKCU "${OWN_KEY}" "PreviousScreenSaver"
    ${If} ${Errors}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$2"
    ${EndIf}
  ${EndIf}
FunctionEnd
