; What earlier versions left behind: they kept their pictures in a folder in the drive's root,
; CAPTURE_FOLDER, which the programs no longer use. Any local account may make a folder there,
; or put a junction or symbolic link in its place that leads into another user's files, so it is
; cleared only when it is a plain folder (not a reparse point of any kind), and only of the three
; pictures by their names; the folder itself goes only once it is empty (RMDir without /r).

!macro RemoveEarlierPictures un
Function ${un}RemoveEarlierPictures
  ; GetFileAttributesW gives INVALID_FILE_ATTRIBUTES (-1) when nothing is there.
  System::Call 'kernel32::GetFileAttributesW(w "${CAPTURE_FOLDER}") i .r0'
  ${If} $0 = -1
    Return
  ${EndIf}
  IntOp $1 $0 & 0x10   ; FILE_ATTRIBUTE_DIRECTORY
  IntOp $2 $0 & 0x400  ; FILE_ATTRIBUTE_REPARSE_POINT
  ${If} $1 = 0
  ${OrIf} $2 <> 0
    Return
  ${EndIf}
  Delete "${CAPTURE_FOLDER}\${CAPTURE_PICTURE_1}"
  Delete "${CAPTURE_FOLDER}\${CAPTURE_PICTURE_2}"
  Delete "${CAPTURE_FOLDER}\${CAPTURE_PICTURE_3}"
  RMDir "${CAPTURE_FOLDER}"
FunctionEnd
!macroend
!insertmacro RemoveEarlierPictures ""
!insertmacro RemoveEarlierPictures "un."
