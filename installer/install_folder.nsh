; The install folder: whether it can be made and written (checked before anything is written,
; with a clear message when not), and which folders the install made, so that the uninstaller
; removes those again and no others.

; Stops the install, before anything is written, when the folder cannot be made or written to
; after all (the checks before the install may have been passed by a folder that changed since).
Function EnsureWritableFolder
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    Call FindTopMissingFolder
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${IfNot} ${Errors}
    FileOpen $0 "$INSTDIR\${HOST_FILE}.setup-check" w
    ${IfNot} ${Errors}
      FileClose $0
      Delete "$INSTDIR\${HOST_FILE}.setup-check"
      Return
    ${EndIf}
  ${EndIf}
  ${If} ${Silent}
    Push "$(FolderNotWritable)"
    Call WriteStandardError
  ${Else}
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNotWritable)"
  ${EndIf}
  SetErrorLevel 2
  Abort
FunctionEnd

; A folder given with /D= that NSIS thinks invalid (one lying under a file) is silently swapped
; for the default folder before .onInit runs, so a silent install would succeed somewhere the
; caller never asked for. The folder asked for is taken back from the command line here, and a
; silent install checks it at once, before anything is written.
Function .onInit
  Call UseRequestedFolder
  ${If} ${Silent}
    Call CanMakeFolder
    ${If} $0 != 1
      Push "$(FolderNotWritable)"
      Call WriteStandardError
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

; NSIS takes everything after the first " /D=" (upper case) as the folder; so does this.
Function UseRequestedFolder
  System::Call 'kernel32::GetCommandLineW() w .r0'
  StrLen $1 $0
  StrCpy $2 0
  ${DoWhile} $2 < $1
    StrCpy $3 $0 4 $2
    ${If} $3 S== " /D="
      IntOp $2 $2 + 4
      StrCpy $INSTDIR $0 "" $2
      Return
    ${EndIf}
    IntOp $2 $2 + 1
  ${Loop}
FunctionEnd

; Leaving the folder page: a folder that cannot be made is refused there, so the user can choose
; another one at once.
Function DirectoryPageLeave
  Call CanMakeFolder
  ${If} $0 != 1
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNotWritable)"
    Abort
  ${EndIf}
FunctionEnd

; $0 = 1 when $INSTDIR exists as a folder that can be written, or when its nearest existing
; folder can be written (so it can be made there). Changes nothing: the trial file is deleted.
Function CanMakeFolder
  StrCpy $0 0
  StrCpy $1 "$INSTDIR"
  ${Do}
    ${If} ${FileExists} "$1\*.*"
      ${ExitDo}
    ${ElseIf} ${FileExists} "$1"
    ${OrIf} $1 == ""
      Return
    ${EndIf}
    ${GetParent} $1 $1
  ${Loop}
  ClearErrors
  FileOpen $2 "$1\${HOST_FILE}.setup-check" w
  ${IfNot} ${Errors}
    FileClose $2
    Delete "$1\${HOST_FILE}.setup-check"
    StrCpy $0 1
  ${EndIf}
FunctionEnd

; Writes the text on the stack to the standard error stream, as UTF-8 with a line end, when the
; process has one (a silent install run from a script or a console).
Function WriteStandardError
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $4
  System::Call 'kernel32::GetStdHandle(i -12) p .r1'
  ${If} $1 P<> 0
  ${AndIf} $1 P<> -1
    StrCpy $0 "$0$\r$\n"
    System::Call 'kernel32::WideCharToMultiByte(i 65001, i 0, w r0, i -1, p 0, i 0, p 0, p 0) i .r2'
    ${If} $2 > 1
      System::Alloc $2
      Pop $3
      System::Call 'kernel32::WideCharToMultiByte(i 65001, i 0, w r0, i -1, p r3, i r2, p 0, p 0)'
      IntOp $2 $2 - 1
      System::Call 'kernel32::WriteFile(p r1, p r3, i r2, *i .r4, p 0)'
      System::Free $3
    ${EndIf}
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; The outermost folder of $INSTDIR that does not exist yet (CreateDirectory makes it and all
; below it), into CreatedTop; the uninstaller removes these folders again when they are empty.
Var CreatedTop
Function FindTopMissingFolder
  StrCpy $0 "$INSTDIR"
  ${Do}
    ${If} $0 == ""
    ${OrIf} ${FileExists} "$0\*.*"
      ${ExitDo}
    ${EndIf}
    StrCpy $CreatedTop $0
    ${GetParent} $0 $0
  ${Loop}
FunctionEnd

; Removes the empty folders between the install folder and the outermost folder the install
; made (the stored CreatedFolder value), never a folder that holds anything.
Function un.RemoveCreatedFolders
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "CreatedFolder"
  StrLen $2 $1
  StrCpy $3 "$INSTDIR" $2
  ${If} $1 == ""
  ${OrIf} $3 != $1
    Return
  ${EndIf}
  StrCpy $0 "$INSTDIR"
  ${Do}
    RMDir "$0"
    ${If} $0 == $1
      Return
    ${EndIf}
    ${GetParent} $0 $0
    StrLen $3 $0
  ${LoopWhile} $3 >= $2
FunctionEnd
