; The two Start-menu entries. Windows' Screen Saver Settings list only the savers in Windows' own
; folders and the current choice, so a per-user install drops out of that list as soon as the
; user picks another saver; these bring it back in one click, and open its settings without
; going through Windows' dialog.
;
; Their names follow the installer's language, the English ones with the English name; the
; uninstaller removes the names of every language, so an uninstall on a system whose language has
; changed since leaves none behind, and the English names of earlier versions, which held the
; Japanese name.

!define SHORTCUT_CHOOSE_EN "Make ${PRODUCT_NAME_EN} the screensaver"
!define SHORTCUT_CHOOSE_JA "${PRODUCT_NAME} をスクリーンセーバーにする"
!define SHORTCUT_SETTINGS_EN "${PRODUCT_NAME_EN} settings"
!define SHORTCUT_SETTINGS_JA "${PRODUCT_NAME} の設定"
!define SHORTCUT_CHOOSE_EARLIER "Make ${PRODUCT_NAME} the screensaver"
!define SHORTCUT_SETTINGS_EARLIER "${PRODUCT_NAME} settings"

LangString ShortcutChoose ${LANG_ENGLISH} "${SHORTCUT_CHOOSE_EN}"
LangString ShortcutChoose ${LANG_JAPANESE} "${SHORTCUT_CHOOSE_JA}"
LangString ShortcutSettings ${LANG_ENGLISH} "${SHORTCUT_SETTINGS_EN}"
LangString ShortcutSettings ${LANG_JAPANESE} "${SHORTCUT_SETTINGS_JA}"

; Windows' own way to choose a screen saver file and open the Screen Saver Settings with it (the
; command it registers for a .scr's Install), and the host's settings switch.
Function CreateStartMenuEntries
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\$(ShortcutChoose).lnk" "$SYSDIR\rundll32.exe" \
    "desk.cpl,InstallScreenSaver $INSTDIR\${HOST_FILE}" "$INSTDIR\${HOST_FILE}" 0 \
    SW_SHOWNORMAL "" "$(ShortcutChoose)"
  CreateShortcut "$SMPROGRAMS\$(ShortcutSettings).lnk" "$INSTDIR\${HOST_FILE}" "/c" \
    "$INSTDIR\${HOST_FILE}" 0 SW_SHOWNORMAL "" "$(ShortcutSettings)"
FunctionEnd

Function un.RemoveStartMenuEntries
  Delete "$SMPROGRAMS\${SHORTCUT_CHOOSE_EN}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_CHOOSE_JA}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_SETTINGS_EN}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_SETTINGS_JA}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_CHOOSE_EARLIER}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_SETTINGS_EARLIER}.lnk"
FunctionEnd
