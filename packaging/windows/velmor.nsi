; The Windows installer: a per-user install that needs no administrator rights.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.3 -DSTAGE=<cmake --install prefix>
;   -DICON=<velmor.ico> -DTARGET=<x86-unicode|amd64-unicode> -DOUTFILE=<setup.exe>
; The program goes to %LOCALAPPDATA%\Programs\Velmor. Its Start-menu shortcut runs it in
; the user's own %USERPROFILE%\Velmor, where it keeps Velmor.ini and finds its help page,
; as the Linux launcher does with ~/Velmor; the uninstaller leaves that folder alone.

Unicode true
Target ${TARGET}
!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor"
!define USER_FOLDER "$PROFILE\Velmor"

Name "Velmor"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
InstallDir "$LOCALAPPDATA\Programs\Velmor"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Velmor"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "Quelt"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Velmor ${VERSION} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Copyright 2026 Quelt. All rights reserved."

Section
  ; The default gear data belongs in the user's folder only: one in the program folder
  ; would be lost with the uninstall if Velmor were ever started there and it was edited.
  SetOutPath "$INSTDIR"
  File /r /x Velmor.ini "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The user's folder, with the help page and the default gear data where it has none, so
  ; that the first start shows filled lists. With overwrite off a file is only created
  ; anew: whatever stands at its name (the user's own file, a link, a folder) is left as
  ; it is, and a newer help page is not forced on a user who keeps their own. The
  ; shortcut's working folder is the current $OUTDIR.
  SetOutPath "${USER_FOLDER}"
  SetOverwrite off
  File "${STAGE}\Velmor.mht"
  File "${STAGE}\Velmor.ini"
  SetOverwrite on
  CreateShortcut "$SMPROGRAMS\Velmor.lnk" "$INSTDIR\Velmor.exe" "" "$INSTDIR\Velmor.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quelt"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmor.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put in, by name, so that nothing else in a folder the user
; chose is lost; the user's folder with Velmor.ini stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\Velmor.lnk"
  Delete "$INSTDIR\Velmor.exe"
  Delete "$INSTDIR\Velmor.mht"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\licences\*.txt"
  RMDir "$INSTDIR\licences"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DetailPrint "ギアデータ（Velmor.ini）のある ${USER_FOLDER} は残しました。"
SectionEnd
