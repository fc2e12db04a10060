; The keeper (アルトストラト常駐.exe) starts at sign-in from the user's Run key and keeps the
; desktop's photograph for a screensaver Windows starts on a desktop of its own. The finish
; page's second box (ticked by default) and a silent install register it and start it at once;
; an upgrade ends the running keeper before replacing it, and the uninstaller ends it and removes
; its entry. "/stop" asks the running keeper to end and waits until it has.

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Function StartKeeperAtSignIn
  WriteRegStr HKCU "${RUN_KEY}" "${KEEPER_RUN_VALUE}" '"$INSTDIR\${KEEPER_FILE}"'
  Exec '"$INSTDIR\${KEEPER_FILE}"'
FunctionEnd

!macro END_KEEPER PREFIX
Function ${PREFIX}EndKeeper
  ${If} ${FileExists} "$INSTDIR\${KEEPER_FILE}"
    ExecWait '"$INSTDIR\${KEEPER_FILE}" /stop'
  ${EndIf}
  ; Only the entry naming this install's keeper: another folder's stays that folder's.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${KEEPER_RUN_VALUE}"
  ${If} $0 == '"$INSTDIR\${KEEPER_FILE}"'
    DeleteRegValue HKCU "${RUN_KEY}" "${KEEPER_RUN_VALUE}"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro END_KEEPER ""
!insertmacro END_KEEPER "un."
