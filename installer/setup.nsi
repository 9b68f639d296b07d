; The setup program: installs PostboxWatchman for the current user, without administrator rights.
; makensis gets, as -D defines: IDENTITY (the generated identity.nsh, which also names the settings'
; key, the Run entry and the main window's class as the program has them), FILES (the folder with the
; files to install), ICON, OUTFILE and TARGET (x86-unicode for the 32-bit program, amd64-unicode
; for the 64-bit one). Both install into the same folder under the same names and entries, so the
; one replaces the other as an update would.

Target ${TARGET}
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The installed files get the time of installation, and the setup program is the same on every run.
SetDateSave off

!include "${IDENTITY}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_NAME}"
!define UNINSTALLER "uninstall.exe"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT_NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_NAME} ${VERSION_TEXT}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_FILE_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUCT_NAME} jetzt starten"

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE InstallFolderLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${MAKER_NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${LEGAL_COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION_TEXT}"

; Ends every running copy the way its own "Ende" does: WM_CLOSE to the main window, which saves the
; settings, then waits for the process to end. A copy that will not end stops the setup instead of
; having its files replaced or removed under it.
!macro CLOSE_RUNNING_PROGRAM un
  Function ${un}CloseRunningProgram
    StrCpy $R0 0
    ${Do}
      FindWindow $0 "${WINDOW_CLASS}"
      ${If} $0 = 0
        Return
      ${EndIf}
      ${If} $R0 >= 3
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
          "${PRODUCT_NAME} läuft noch und lässt sich nicht beenden.$\r$\n$\r$\nBitte beenden Sie es mit $\"Ende$\" und klicken Sie auf $\"Wiederholen$\"." \
          /SD IDCANCEL IDRETRY +2
        Abort "${PRODUCT_NAME} läuft noch."
        StrCpy $R0 0
      ${EndIf}
      System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
      System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2"
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
      ${If} $2 <> 0
        System::Call "kernel32::WaitForSingleObject(p r2, i 10000)"
        System::Call "kernel32::CloseHandle(p r2)"
      ${Else}
        Sleep 1000
      ${EndIf}
      IntOp $R0 $R0 + 1
    ${Loop}
  FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."

; The program runs as this user at every log-on. In a folder outside the user's profile (one made
; under C:\, say) every local user may replace its files; inside the profile only this user can.
!define FOLDER_OUTSIDE_PROFILE_TEXT \
  "Bitte wählen Sie einen Ordner innerhalb Ihres Benutzerordners ($PROFILE).$\r$\n$\r$\nIn einem Ordner außerhalb davon könnten andere Benutzer dieses Computers ${PRODUCT_NAME} durch ein anderes Programm ersetzen, das dann bei Ihrer Anmeldung mit Ihren Rechten startet."

; Sets $0 to 1 when $INSTDIR lies inside the profile, else to 0.
Function IsInstallFolderInProfile
  ; The system's own reading of the path ("..\" resolved), which, unlike NSIS's GetFullPathName,
  ; needs no folder that exists already.
  System::Call "kernel32::GetFullPathNameW(w '$INSTDIR', i ${NSIS_MAX_STRLEN}, w .r1, p 0)"
  StrLen $2 "$PROFILE\"
  StrCpy $3 "$1" $2
  StrCpy $0 0
  ${If} $3 == "$PROFILE\"
    StrCpy $0 1
  ${EndIf}
FunctionEnd

Function InstallFolderLeave
  Call IsInstallFolderInProfile
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "${FOLDER_OUTSIDE_PROFILE_TEXT}"
    Abort
  ${EndIf}
FunctionEnd

Section
  SetShellVarContext current
  ; A silent setup sees no folder page: it stops here instead.
  Call IsInstallFolderInProfile
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "${FOLDER_OUTSIDE_PROFILE_TEXT}" /SD IDOK
    Abort "${PRODUCT_NAME} wurde nicht installiert."
  ${EndIf}
  Call CloseRunningProgram

  SetOutPath "$INSTDIR"
  File "${FILES}\${EXE_FILE_NAME}"
  File "${FILES}\hilfe.htm"
  File "${FILES}\LIESMICH.txt"
  File "${FILES}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}.lnk" "$INSTDIR\${EXE_FILE_NAME}"

  ; The entry under "Apps". No Run entry: the program's own "Autostart" box decides that.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_TEXT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_FILE_NAME},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\${UNINSTALLER}$\""
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\${UNINSTALLER}$\" /S"
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.CloseRunningProgram

  ; The autostart entry goes only when it starts the copy in this folder, quoted or not.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_ENTRY}"
  StrCpy $1 $0 1
  ${If} $1 == "$\""
    StrCpy $0 $0 "" 1
  ${EndIf}
  StrLen $1 "$INSTDIR\"
  StrCpy $2 $0 $1
  ${If} $2 == "$INSTDIR\"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_ENTRY}"
  ${EndIf}

  Delete "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
  Delete "$INSTDIR\${EXE_FILE_NAME}"
  Delete "$INSTDIR\hilfe.htm"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; A silent uninstall keeps the settings: they are the user's, and a reinstall finds them again.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Sollen auch Ihre Einstellungen für ${PRODUCT_NAME} (Server, Postfach, Kennwort, E-Mail-Programm) gelöscht werden?" \
    /SD IDNO IDNO keepSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT_KEY}"
  keepSettings:
SectionEnd
