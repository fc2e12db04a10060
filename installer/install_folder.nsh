; The install folder: whether it can be made and written, and whether it would be the user's own
; (checked before anything is written, with a clear message when not), and which folders the
; install made, so that the uninstaller removes those again and no others.
;
; Whoever may change the install folder, or rename a folder on its way and put another in its
; place, runs code as the user: the keeper starts from there at every sign-in, and Windows looks
; beside a program first for the libraries it loads. The installer's helper (setup-folder.exe,
; built from the programs' own sources) judges that by the access lists along the path, and makes
; the folders the install needs with a list of their own for the user, SYSTEM and Administrators.

Var CreatedTop
Var SetupFolderHelper

; Stops the install, before anything is written, when the folder cannot be made or written to, or
; other accounts may change it, after all (the checks before the install may have been passed by
; a folder that changed since). Folders it made for this are removed again.
Function EnsureWritableFolder
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    Call FindTopMissingFolder
  ${EndIf}
  Call UnpackFolderHelper
  Call QuotedInstallFolder
  ClearErrors
  ExecWait '"$SetupFolderHelper" /make $1' $0
  ${IfNot} ${Errors}
  ${AndIf} $0 == 0
    FileOpen $0 "$INSTDIR\${HOST_FILE}.setup-check" w
    ${IfNot} ${Errors}
      FileClose $0
      Delete "$INSTDIR\${HOST_FILE}.setup-check"
      Call CheckFolderOwner
      ${If} $0 == 0
        Return
      ${EndIf}
      Call RemoveMadeFolders
      Call OwnerMessage
      Call RefuseFolder
    ${EndIf}
  ${EndIf}
  Call RemoveMadeFolders
  Push "$(FolderNotWritable)"
  Call RefuseFolder
FunctionEnd

; The message on the stack, on the standard error stream of a silent install or in a message box;
; then the install ends with exit code 2.
Function RefuseFolder
  ${If} ${Silent}
    Call WriteStandardError
  ${Else}
    Exch $0
    MessageBox MB_OK|MB_ICONSTOP "$0"
    Pop $0
  ${EndIf}
  SetErrorLevel 2
  Abort
FunctionEnd

; Pushes what CheckFolderOwner found ($0 1 or 2) as a message.
Function OwnerMessage
  ${If} $0 == 1
    Push "$(FolderOthersMayWrite)"
  ${Else}
    Push "$(FolderOwnerUnknown)"
  ${EndIf}
FunctionEnd

; The helper, unpacked once into the installer's temporary folder.
Function UnpackFolderHelper
  ${If} $SetupFolderHelper == ""
    InitPluginsDir
    StrCpy $SetupFolderHelper "$PLUGINSDIR\setup-folder.exe"
    File "/oname=$SetupFolderHelper" "${STAGE}\setup-folder.exe"
  ${EndIf}
FunctionEnd

; $1 = $INSTDIR quoted for a command line, a backslash before the closing quote doubled (else it
; would escape the quote: "C:\" would run on into the next argument).
Function QuotedInstallFolder
  StrCpy $1 "$INSTDIR" "" -1
  ${If} $1 == "\"
    StrCpy $1 '"$INSTDIR\"'
  ${Else}
    StrCpy $1 '"$INSTDIR"'
  ${EndIf}
FunctionEnd

; $0 = 0 when no other account of this computer may change $INSTDIR or a folder on its way (one
; still to be made counts as made for the user alone); 1 when one may, 2 when that cannot be told,
; with the folder at fault in $R1 and the account in $R2.
Function CheckFolderOwner
  Call UnpackFolderHelper
  Call QuotedInstallFolder
  StrCpy $2 "$PLUGINSDIR\folder-finding.ini"
  Delete $2
  ClearErrors
  ExecWait '"$SetupFolderHelper" /check $1 "$2"' $0
  ${If} ${Errors}
    StrCpy $0 2
  ${EndIf}
  ReadINIStr $R1 $2 finding folder
  ReadINIStr $R2 $2 finding who
  ${If} $R1 == ""
    StrCpy $R1 "$INSTDIR"
  ${EndIf}
FunctionEnd

; Removes the folders EnsureWritableFolder made (from $INSTDIR up to CreatedTop) while empty.
Function RemoveMadeFolders
  ${If} $CreatedTop == ""
    Return
  ${EndIf}
  StrCpy $3 "$INSTDIR"
  ${Do}
    RMDir "$3"
    ${If} $3 == $CreatedTop
      ${ExitDo}
    ${EndIf}
    ${GetParent} $3 $3
  ${LoopUntil} $3 == ""
  StrCpy $CreatedTop ""
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
    Call CheckFolderOwner
    ${If} $0 != 0
      Call OwnerMessage
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

; Leaving the folder page: a folder that cannot be made, or that other accounts may change, is
; refused there, so the user can choose another one at once.
Function DirectoryPageLeave
  Call CanMakeFolder
  ${If} $0 != 1
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNotWritable)"
    Abort
  ${EndIf}
  Call CheckFolderOwner
  ${If} $0 != 0
    Call OwnerMessage
    Pop $0
    MessageBox MB_OK|MB_ICONSTOP "$0"
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

; The outermost folder of $INSTDIR that does not exist yet (the helper makes it and all below
; it), into CreatedTop; the uninstaller removes these folders again when they are empty.
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
