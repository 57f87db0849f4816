; The Windows installer of Zorna. scripts/windows/make-installer passes:
;   SOURCE     the portable program folder to install
;   VERSION    the program's version
;   OUTFILE    the installer to write
;   ICON       the program icon
;   FILES      a list of the installed files (install.nsh: SetOutPath/File)
;   REMOVE     the same files and folders for the uninstaller (uninstall.nsh)
; A 64-bit installer (amd64 stubs): it runs only where zorna.exe runs.
; Two programs, each with a Start menu entry for every user: the game
; (zorna.exe, «Зорна») and the teacher's results (zorna-results.exe,
; «Результати Зорни»).
; Installed into Program Files, where a pupil's account cannot write, the game
; keeps Temp and Save in each user's %APPDATA%\Zorna; the uninstaller removes
; exactly the files it installed and never a saved game.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Зорна"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zorna"
RequestExecutionLevel admin
BrandingText "Зорна ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorna"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Ukrainian"

Section "Зорна"
  SetShellVarContext all
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Зорна.lnk" "$INSTDIR\zorna.exe" "" "$INSTDIR\zorna.exe" 0
  CreateShortcut "$SMPROGRAMS\Результати Зорни.lnk" "$INSTDIR\zorna-results.exe" "" \
    "$INSTDIR\zorna-results.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Зорна"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Zorna"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorna.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Зорна.lnk"
  Delete "$SMPROGRAMS\Результати Зорни.lnk"
  ; Only the installed files; folders go only when empty (RMDir without /r),
  ; so Temp and Save, if a game was ever kept here, stay with their games.
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
