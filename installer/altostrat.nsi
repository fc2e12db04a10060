; The Windows installer of the screensaver, built by the "dist" target of the windows preset.
;
; It installs for the current user only, without administrator rights, into a folder the user
; may write, because the host keeps its settings file beside itself. An upgrade never touches
; that settings file (the installer carries no settings file at all), and the uninstaller
; removes exactly what the product put on the system: the programs, the aircraft model, the
; licence, the settings file, the keeper's start-at-sign-in entry, the uninstall entry, the two Start-menu entries and the screensaver
; choice, the last only while it still names this screensaver. Folders go only when they are
; empty, and only those the product made: the install folder and the folders above it that the
; install had to create. Both the installer and the uninstaller clear the pictures earlier
; versions left in a shared folder (earlier_versions.nsh); this version keeps its pictures in a
; folder of each run's own, which the run itself removes.
;
; Given on the makensis command line: VERSION (text, "1.0.0"), VERSION_NUMBERS ("1.0.0.0"),
; STAGE (folder holding host.scr, renderer.dll, keeper.exe, the installer's helper
; setup-folder.exe, license.txt and, with MODEL_STAGED defined, model.ms3d), ICON, OUTFILE, NAMES
; (the generated file with the product's Japanese names; see installer/CMakeLists.txt), PLUGINS
; (the signed NSIS plug-ins), SIGN_SCRIPT and SIGN_CONF (installer/sign.sh and what it signs
; with) and UNINSTALLER_COPY (where the finished uninstaller is kept).

Unicode true
Target amd64-unicode
; The plug-ins from the folder the build signed them into (PLUGINS), not Debian's unsigned ones.
!addplugindir /amd64-unicode "${PLUGINS}"
; The uninstaller signed as NSIS finishes it, before it goes into the installer; a copy is kept.
!uninstfinalize 'bash "${SIGN_SCRIPT}" "${SIGN_CONF}" sign "%1" "${UNINSTALLER_COPY}"' = 0
; Aware of each monitor's scale, as the programs it installs: Windows draws the pages sharp at any
; display scale instead of stretching a 100 % bitmap of them.
ManifestDPIAware true
ManifestDPIAwareness PerMonitorV2,System
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "${NAMES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_NAME}"
!define UNINSTALLER "uninstall.exe"

; The name the pages show is the page language's (texts.nsh); the folder and the uninstall
; entry keep the one name in every language.
Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT_NAME}"
; An upgrade goes where the earlier install went, so the settings file there is kept.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "$(ProductName) ${VERSION}"

; No copyright line is claimed in the version information, as in the programs' own.
!pragma warning disable 9100
VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
; NSIS writes this one version resource into the uninstaller as well, so the description names
; both roles: Windows shows it for uninstall.exe too (Task Manager, the file's properties).
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT_NAME} installer and uninstaller"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page's first option; silent mode never shows the page, so /S does not choose the
; screensaver.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(ChooseScreensaver)"
!define MUI_FINISHPAGE_RUN_FUNCTION ChooseScreensaver
; The second: the keeper from sign-in, started at once (a silent install does this itself).
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(StartKeeper)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION StartKeeperAtSignIn
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!include "texts.nsh"
!include "install_folder.nsh"
!include "screensaver.nsh"
!include "shortcuts.nsh"
!include "earlier_versions.nsh"
!include "keeper.nsh"

Section "-Install"
  Call EnsureWritableFolder
  ; A running keeper holds its file; it is started again below or from the finish page.
  Call EndKeeper
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=${HOST_FILE}" "${STAGE}\host.scr"
  File "/oname=${RENDERER_FILE}" "${STAGE}\renderer.dll"
!ifdef MODEL_STAGED
  File "/oname=${MODEL_FILE}" "${STAGE}\model.ms3d"
!endif
  File "/oname=${KEEPER_FILE}" "${STAGE}\keeper.exe"
  File "/oname=${LICENSE_FILE}" "${STAGE}\license.txt"
  File "/oname=${MANUAL_FILE}" "${STAGE}\manual.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call CreateStartMenuEntries
  Call RemoveEarlierPictures

  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${HOST_FILE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; An upgrade keeps the value of the install that made the folders.
  ${If} $CreatedTop != ""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "CreatedFolder" "$CreatedTop"
  ${EndIf}
  ${If} ${Silent}
    Call StartKeeperAtSignIn
  ${EndIf}
SectionEnd

Section "Uninstall"
  ; Read before the host goes: its short name exists only while the file does.
  Call un.ForgetScreensaverIfOurs
  Call un.RemoveStartMenuEntries
  ; Before its file goes: a running keeper holds it. The Run key itself is Windows' own.
  Call un.EndKeeper
  Delete "$INSTDIR\${HOST_FILE}"
  Delete "$INSTDIR\${RENDERER_FILE}"
  Delete "$INSTDIR\${KEEPER_FILE}"
  Delete "$INSTDIR\${MODEL_FILE}"
  Delete "$INSTDIR\${LICENSE_FILE}"
  Delete "$INSTDIR\${MANUAL_FILE}"
  Delete "$INSTDIR\${SETTINGS_FILE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  Call un.RemoveCreatedFolders
  RMDir "$INSTDIR"

  Call un.RemoveEarlierPictures
  ; The last saver run's account of where its ground came from, in the program's folder of the
  ; user's local application data (a link planted there goes itself, never what it leads to);
  ; earlier versions kept it in the temporary folder.
  Delete "$LOCALAPPDATA\Altostrat\AltostratGround.txt"
  RMDir "$LOCALAPPDATA\Altostrat"
  Delete "$TEMP\AltostratGround.txt"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Windows always has this key; a system where the install made it gets it removed again.
  DeleteRegKey /ifnosubkeys /ifnovalues HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
