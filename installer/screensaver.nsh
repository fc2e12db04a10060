; The screensaver choice: Windows keeps the chosen screensaver as the short (8.3) path of its
; file in HKCU\Control Panel\Desktop, value SCRNSAVE.EXE, so that is the form written here and
; the form looked for when uninstalling (the long path too, in case it was chosen another way).

!define DESKTOP_KEY "Control Panel\Desktop"
!define SCREENSAVER_VALUE "SCRNSAVE.EXE"

; The finish page's option: choose this screensaver, then let Windows' own dialog show it.
Function ChooseScreensaver
  GetFullPathName /SHORT $0 "$INSTDIR\${HOST_FILE}"
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR\${HOST_FILE}"
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "${SCREENSAVER_VALUE}" $0
  Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver $INSTDIR\${HOST_FILE}'
FunctionEnd

; Clears the screensaver choice only when it names the screensaver being removed.
Function un.ForgetScreensaverIfOurs
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "${SCREENSAVER_VALUE}"
  ${If} $0 == ""
    Return
  ${EndIf}
  GetFullPathName /SHORT $1 "$INSTDIR\${HOST_FILE}"
  ${If} $0 == $1
  ${OrIf} $0 == "$INSTDIR\${HOST_FILE}"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${SCREENSAVER_VALUE}"
  ${EndIf}
FunctionEnd
