; The Windows installer: both programs side by side in a folder of the user's own (the settings
; file is written beside the saver, so the folder must stay writable without administrator
; rights), Morvantis made the current screen saver, and an uninstaller that puts back what the
; installer changed. Built by CMake (packaging/windows/CMakeLists.txt):
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DPROGRAMS=<folder of the shipped programs>
;            -DPRODUCT_NAME=<name> -DHOMEPAGE=<address> -DICON=<icon> -DOUTFILE=<installer>
;            [-DSIGN=<command that signs the files it is given>] morvantis.nsi

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; Sharp pages above 100 % scaling.
ManifestDPIAware true
; Each program is stored with the time of its file, which the build sets to the source's date.
SetDateSave on

!ifdef SIGN
  !uninstfinalize 'sh "${SIGN}" "%1"' = 0
  !finalize 'sh "${SIGN}" "%1"' = 0
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define HOST "モルヴァンティス.scr"
!define RENDERER "モルヴァンティス.dll"
!define SETTINGS "モルヴァンティス.ini"
!define UNINSTALLER "uninstall.exe"
!define WRITE_CHECK "morvantis-write-check.tmp"
; The folder the saver writes its two textures to, at every session start.
!define TEXTURES "C:\n_orvi"
; The installer's own key: where it installed, what it set as the screen saver, what it replaced.
!define OWN_KEY "Software\Morvantis"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvantis"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3
!define SMTO_ABORTIFHUNG 2

; English pages name it in Latin letters too: an English system may have no Japanese font.
Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Morvantis"
; An upgrade goes where the first install went.
InstallDirRegKey HKCU "${OWN_KEY}" "InstallDir"
BrandingText "$(^Name) ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFolderPage
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

; Properties -> Details of the installer, in both languages.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
!macro VersionKeys language description
  VIAddVersionKey /LANG=${language} "ProductName" "${PRODUCT_NAME}"
  VIAddVersionKey /LANG=${language} "ProductVersion" "${VERSION}.0"
  VIAddVersionKey /LANG=${language} "FileVersion" "${VERSION}.0"
  VIAddVersionKey /LANG=${language} "FileDescription" "${description}"
  VIAddVersionKey /LANG=${language} "CompanyName" "Morvantis"
  VIAddVersionKey /LANG=${language} "LegalCopyright" "© The Morvantis developers"
  VIAddVersionKey /LANG=${language} "OriginalFilename" "Morvantis-Setup-${VERSION}.exe"
!macroend
!insertmacro VersionKeys ${LANG_ENGLISH} "${PRODUCT_NAME} Setup"
!insertmacro VersionKeys ${LANG_JAPANESE} "${PRODUCT_NAME} セットアップ"

LangString OpenScreenSaverSettings ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenScreenSaverSettings ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString FolderNotWritable ${LANG_ENGLISH} \
  "The folder $INSTDIR cannot be written to. Choose a folder you can write to."
LangString FolderNotWritable ${LANG_JAPANESE} \
  "フォルダ $INSTDIR に書き込めません。書き込めるフォルダを選んでください。"
LangString ProgramsRunning ${LANG_ENGLISH} \
  "The screen saver in $INSTDIR is running (the saver, its settings or its preview). Close it and try again."
LangString ProgramsRunning ${LANG_JAPANESE} \
  "$INSTDIR のスクリーン セーバーが実行中です (セーバー、設定またはプレビュー)。終了してから、もう一度お試しください。"
LangString EarlierProgramsRunning ${LANG_ENGLISH} \
  "The screen saver installed in $R0 is running (the saver, its settings or its preview). Close it and try again."
LangString EarlierProgramsRunning ${LANG_JAPANESE} \
  "$R0 にインストールされているスクリーン セーバーが実行中です (セーバー、設定またはプレビュー)。終了してから、もう一度お試しください。"
LangString NothingInstalled ${LANG_ENGLISH} "Nothing was installed."
LangString NothingInstalled ${LANG_JAPANESE} "何もインストールされていません。"
LangString RemoveSettings ${LANG_ENGLISH} "Also remove the settings file"
LangString RemoveSettings ${LANG_JAPANESE} "設定ファイルも削除する"
LangString UninstallWhileRunning ${LANG_ENGLISH} \
  "The screen saver in $INSTDIR is running (the saver, its settings or its preview). Close it and choose Retry; Cancel leaves everything as it is."
LangString UninstallWhileRunning ${LANG_JAPANESE} \
  "$INSTDIR のスクリーン セーバーが実行中です (セーバー、設定またはプレビュー)。終了してから「再試行」を押してください。「キャンセル」では何も変更しません。"
LangString NotTheRecordedInstall ${LANG_ENGLISH} \
  "This uninstaller ($INSTDIR) does not belong to the installed screen saver, which is in $R0. Nothing was removed."
LangString NotTheRecordedInstall ${LANG_JAPANESE} \
  "このアンインストーラ ($INSTDIR) は、インストールされているスクリーン セーバー ($R0) のものではありません。何も削除していません。"
LangString NoInstallRecorded ${LANG_ENGLISH} \
  "No install of the screen saver is recorded for this user. Nothing was removed."
LangString NoInstallRecorded ${LANG_JAPANESE} \
  "このユーザーにはスクリーン セーバーのインストールが記録されていません。何も削除していません。"

; The uninstaller's components page shows the space it frees where the installer's shows the
; space it needs.
Var SpaceLabel
LangString ^SpaceRequired ${LANG_ENGLISH} "$SpaceLabel"
LangString ^SpaceRequired ${LANG_JAPANESE} "$SpaceLabel"
LangString SpaceNeeded ${LANG_ENGLISH} "Space required: "
LangString SpaceNeeded ${LANG_JAPANESE} "必要容量: "
LangString SpaceFreed ${LANG_ENGLISH} "Space freed: "
LangString SpaceFreed ${LANG_JAPANESE} "解放される容量: "

; Why the chosen folder cannot take the install (empty when it can).
Var Problem

; Functions both the installer and the uninstaller use ("un." marks the uninstaller's copy).
!macro SharedFunctions un
  ; $R0: the folder of the install the registry records, "" when there is none: the uninstall
  ; entry's InstallLocation, or the installer's own key for installs made before it had one.
  Function ${un}RecordedInstallDir
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == ""
      ReadRegStr $R0 HKCU "${OWN_KEY}" "InstallDir"
    ${EndIf}
  FunctionEnd

  ; $0 = 1 when the folders $1 and $2 are one and the same, however written (short or long
  ; names, any case), else 0.
  Function ${un}IsSameFolder
    GetFullPathName /SHORT $3 "$1"
    GetFullPathName /SHORT $4 "$2"
    StrCpy $0 0
    ${If} $3 != ""
    ${AndIf} $3 == $4
      StrCpy $0 1
    ${ElseIf} $1 == $2
      StrCpy $0 1
    ${EndIf}
  FunctionEnd

  ; Sets the error flag when a program in the folder $1 cannot be opened for writing: it is
  ; running (the saver, its settings dialog or its preview, or the renderer); clears it otherwise.
  ; Opening for appending changes nothing.
  Function ${un}CheckProgramsOf
    ClearErrors
    ${If} ${FileExists} "$1\${HOST}"
      FileOpen $0 "$1\${HOST}" a
      FileClose $0
    ${EndIf}
    ${If} ${FileExists} "$1\${RENDERER}"
      FileOpen $0 "$1\${RENDERER}" a
      FileClose $0
    ${EndIf}
  FunctionEnd

  ; Sets the screen savers' switch to $0 (1 or 0) through the system, which writes it and tells
  ; every window of the session.
  Function ${un}SetScreenSaveActive
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i $0, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
  FunctionEnd

  ; Tells every window of the session that the screen-saver settings changed.
  Function ${un}AnnounceDesktopChange
    StrCpy $0 "${DESKTOP_KEY}"
    System::Call 'user32::SendMessageTimeoutW(p ${HWND_BROADCAST}, i ${WM_SETTINGCHANGE}, p 0, w r0, i ${SMTO_ABORTIFHUNG}, i 5000, p 0)'
  FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

Function .onInit
  StrCpy $SpaceLabel "$(SpaceNeeded)"
FunctionEnd

Function LeaveFolderPage
  Call FindFolderProblem
  ${If} $Problem != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$Problem"
    Abort
  ${EndIf}
FunctionEnd

Section
  ; Checked again: a silent install has no folder page, and a program may have started since.
  Call FindFolderProblem
  ${If} $Problem != ""
    MessageBox MB_OK|MB_ICONSTOP "$Problem$\r$\n$(NothingInstalled)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetOutPath "$INSTDIR"
  Call RemoveEarlierInstall
  File "${PROGRAMS}/${HOST}"
  File "${PROGRAMS}/${RENDERER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKCU "${OWN_KEY}" "InstallDir" "$INSTDIR"
  Call MakeCurrentScreenSaver
  Call RegisterUninstaller
SectionEnd

; $R0: the folder of the recorded earlier install when it is not the chosen one, else "".
Function EarlierInstallDir
  Call RecordedInstallDir
  ${If} $R0 != ""
    StrCpy $1 $R0
    StrCpy $2 $INSTDIR
    Call IsSameFolder
    ${If} $0 == 1
      StrCpy $R0 ""
    ${EndIf}
  ${EndIf}
FunctionEnd

; Everything is checked before anything is changed: a folder that cannot be written to (read-only,
; or a file standing where it should be), a program of an earlier install in it, or in the earlier
; install's own folder, that cannot be replaced (running). The check leaves no trace, not even in
; the progress list: a folder it had to create is removed again.
Function FindFolderProblem
  StrCpy $Problem ""
  SetDetailsPrint none
  StrCpy $5 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $5 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\${WRITE_CHECK}" w
  FileClose $0
  Delete "$INSTDIR\${WRITE_CHECK}"
  ${If} ${Errors}
    StrCpy $Problem "$(FolderNotWritable)"
  ${Else}
    StrCpy $1 $INSTDIR
    Call CheckProgramsOf
    ${If} ${Errors}
      StrCpy $Problem "$(ProgramsRunning)"
    ${Else}
      Call EarlierInstallDir
      ${If} $R0 != ""
        StrCpy $1 $R0
        Call CheckProgramsOf
        ${If} ${Errors}
          StrCpy $Problem "$(EarlierProgramsRunning)"
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $5 == 1
    RMDir "$INSTDIR"
  ${EndIf}
  SetDetailsPrint lastused
FunctionEnd

; Exactly one install: the earlier one's programs and uninstaller go; its settings file moves
; along when the new folder has none (otherwise it stays where it is), and its folder goes when
; nothing else is left in it.
Function RemoveEarlierInstall
  Call EarlierInstallDir
  ${If} $R0 == ""
    Return
  ${EndIf}
  ${If} ${FileExists} "$R0\${SETTINGS}"
  ${AndIfNot} ${FileExists} "$INSTDIR\${SETTINGS}"
    Rename "$R0\${SETTINGS}" "$INSTDIR\${SETTINGS}"
  ${EndIf}
  Delete "$R0\${HOST}"
  Delete "$R0\${RENDERER}"
  Delete "$R0\${UNINSTALLER}"
  RMDir "$R0"
FunctionEnd

; SCRNSAVE.EXE names the saver as Windows itself writes it: the short (8.3) path where the volume
; has short names, else the long one. The setting it replaces, with the screen savers' switch, is
; kept for the uninstaller, unless the saver is ours already (an upgrade), so that a reinstall
; does not forget the user's own settings.
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
    Call KeepScreenSaveActive
  ${ElseIf} $0 != $2
  ${AndIf} $0 != $1
  ${AndIf} $0 != "$INSTDIR\${HOST}"
    WriteRegStr HKCU "${OWN_KEY}" "PreviousScreenSaver" "$0"
    Call KeepScreenSaveActive
  ${EndIf}
  WriteRegStr HKCU "${OWN_KEY}" "ScreenSaver" "$1"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$1"
  StrCpy $0 1
  Call SetScreenSaveActive
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  Call AnnounceDesktopChange
FunctionEnd

; The screen savers' switch as it is now, or its absence.
Function KeepScreenSaveActive
  ClearErrors
  ReadRegStr $3 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ${If} ${Errors}
    DeleteRegValue HKCU "${OWN_KEY}" "PreviousScreenSaveActive"
  ${Else}
    WriteRegStr HKCU "${OWN_KEY}" "PreviousScreenSaveActive" "$3"
  ${EndIf}
FunctionEnd

Function RegisterUninstaller
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "モルヴァンティス"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${HOST}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Morvantis"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
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
Section "-un.Programs" UnProgramsSection
  Call un.RefuseWhileRunning  ; again: a program may have started while the pages were shown
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

Section /o "un.$(RemoveSettings)" UnSettingsSection
  Delete "$INSTDIR\${SETTINGS}"
  RMDir "$INSTDIR"
SectionEnd

; The uninstaller acts only on the install that the registry records, and only while none of its
; programs runs; otherwise it changes nothing and ends with exit code 2 (silently, or after
; saying why).
Function un.onInit
  Call un.RecordedInstallDir
  ${If} $R0 == ""
    MessageBox MB_OK|MB_ICONSTOP "$(NoInstallRecorded)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  StrCpy $1 $R0
  StrCpy $2 $INSTDIR
  Call un.IsSameFolder
  ${If} $0 != 1
    MessageBox MB_OK|MB_ICONSTOP "$(NotTheRecordedInstall)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Call un.RefuseWhileRunning
  Call un.ShowSpaceFreed
FunctionEnd

Function un.RefuseWhileRunning
  retry:
  StrCpy $1 $INSTDIR
  Call un.CheckProgramsOf
  ${If} ${Errors}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(UninstallWhileRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; Each section's size is that of the files it removes, so that the components page shows the
; space freed.
!macro KilobytesOf file
  StrCpy $8 0
  ${If} ${FileExists} "${file}"
    FileOpen $9 "${file}" r
    FileSeek $9 0 END $8
    FileClose $9
  ${EndIf}
  IntOp $7 $7 + $8
!macroend
Function un.ShowSpaceFreed
  StrCpy $SpaceLabel "$(SpaceFreed)"
  StrCpy $7 0
  !insertmacro KilobytesOf "$INSTDIR\${HOST}"
  !insertmacro KilobytesOf "$INSTDIR\${RENDERER}"
  !insertmacro KilobytesOf "$INSTDIR\${UNINSTALLER}"
  IntOp $7 $7 + 1023
  IntOp $7 $7 / 1024
  SectionSetSize ${UnProgramsSection} $7
  StrCpy $7 0
  !insertmacro KilobytesOf "$INSTDIR\${SETTINGS}"
  IntOp $7 $7 + 1023
  IntOp $7 $7 / 1024
  SectionSetSize ${UnSettingsSection} $7
FunctionEnd

; Puts back the screen saver and the screen savers' switch the installer replaced (or removes
; them where there were none), unless the user has chosen another saver since: then both stay.
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
    Call un.RestoreScreenSaveActive
    Call un.AnnounceDesktopChange
  ${EndIf}
FunctionEnd

; The switch goes back through the system first (which writes "1" or "0"), then as the very text
; it had; a switch that was not there is removed, and the session learns of it at the next sign-in.
Function un.RestoreScreenSaveActive
  ClearErrors
  ReadRegStr $2 HKCU "${OWN_KEY}" "PreviousScreenSaveActive"
  ${If} ${Errors}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ${Else}
    StrCpy $0 0
    ${If} $2 != 0
    ${AndIf} $2 != ""
      StrCpy $0 1
    ${EndIf}
    Call un.SetScreenSaveActive
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "$2"
  ${EndIf}
FunctionEnd
