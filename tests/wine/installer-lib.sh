# Helpers of the installer scenario (sourced after scenario-lib.sh): running the installer and
# its uninstaller in the scenario's own prefix, reading the uninstall entry, and listing what a
# prefix holds so that two prefixes can be compared.

SETUP_EXE="$BUILD/dist/アルトストラト-setup.exe"
# The programs as they ship: stripped (symbols kept beside) and, when the build names a
# certificate, signed copies made by the dist target; the uninstaller as NSIS finished it.
SHIPPED_HOST="$BUILD/installer/signed/host.scr"
SHIPPED_RENDERER="$BUILD/installer/signed/renderer.dll"
SHIPPED_KEEPER="$BUILD/installer/signed/keeper.exe"
SHIPPED_UNINSTALLER="$BUILD/installer/signed/uninstall.exe"
SYMBOLS_DIR="$BUILD/symbols"
RUN_KEY='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\アルトストラト'

# header_text NAME: the quoted value of a #define in assets/version.h.
header_text() {
    sed -n "s/^#define $1 \"\\(.*\\)\"\$/\\1/p" "$ALTOSTRAT_SOURCE_DIR/assets/version.h"
}

# run_setup [ARGS...]: runs the installer and waits for it; exit code to EXIT_CODE, its standard
# error to SETUP_ERR.
run_setup() {
    SETUP_ERR=$ALTOSTRAT_WINE_HOME/setup-stderr.txt
    start_bg wine "$SETUP_EXE" "$@" 2>"$SETUP_ERR"
    wait_exit "$LAST_PID" 120
}

# export_key KEY: the key as regedit exports it, as UTF-8 text with Unix line ends ("" when the
# key does not exist).
export_key() {
    local file=$ALTOSTRAT_WINE_HOME/export.reg
    rm -f "$file"
    wine regedit /E "$file" "$1" >/dev/null 2>&1 || true
    [ -f "$file" ] && iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed '1s/^\xef\xbb\xbf//'
}

# reg_value EXPORT NAME: one value's data from an export_key text, as written there.
reg_value() {
    printf '%s\n' "$1" | sed -n "s/^\"$2\"=//p"
}

# key_gone KEY: the registry has no such key.
key_gone() {
    [ -z "$(export_key "$1")" ]
}

# unix_path WINDOWS_PATH / short_path WINDOWS_PATH: Wine's own conversions.
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
short_path() { winepath -s "$1" 2>/dev/null | tr -d '\r'; }

# wizard_next TEXT: waits for the installer's page showing TEXT, then presses its default button
# (Next, Install or Finish: IDOK, whatever the page's title).
wizard_next() {
    poll 60 wizard_shows "$1" || fail "the installer never showed \"$1\": $(probe texts '#32770' -)"
    probe post '#32770' - 0x0111 1 0 >/dev/null || fail "could not press the installer's button"
}

wizard_shows() {
    probe texts '#32770' - | grep -qF "$1"
}

# snapshot OUT: what the current prefix holds: every entry under drive_c (the system's and the
# user's folders) with its type, and the whole registry as regedit exports it, both sorted, with
# the keys Wine rewrites on its own left out (see volatile_keys).
snapshot() {
    local out=$1 reg=$ALTOSTRAT_WINE_HOME/snapshot.reg
    (cd "$WINEPREFIX/drive_c" && find . -printf '%y %p\n') | uninstaller_copies |
        LC_ALL=C sort >"$out.files"
    rm -f "$reg"
    wine regedit /E "$reg" >/dev/null 2>&1 || fail "regedit could not export the registry"
    iconv -f UTF-16LE -t UTF-8 "$reg" | tr -d '\r' | registry_lines | volatile_keys |
        LC_ALL=C sort >"$out.registry"
}

# uninstaller_copies: drops the empty folders the uninstaller's copies ran from. NSIS's
# uninstaller copies itself to the user's Temp folder so that it can delete the original, and
# the copy cannot remove the folder it runs from; the user's Temp folder is the system's to
# clear. Anything left inside such a folder is still listed.
uninstaller_copies() {
    grep -v -E '^d \./users/[^/]+/Temp/~nsu[^/]*\.tmp$'
}

# registry_lines: an export as one line per value (long values are continued over lines ending
# in a backslash), each prefixed with its key, so that sorting and comparing work line by line.
registry_lines() {
    awk '/^\[/ { key = $0; print key; next }
         /\\$/ { part = part substr($0, 1, length($0) - 1); next }
         NF { sub(/^ +/, ""); print key " " part $0; part = "" }'
}

# volatile_keys: drops the keys Wine writes for any program, whatever it does: the display
# adapter and input devices of the current X display (new identifiers at every start), the
# console's settings and the debugger's (written the first time a console or the crash handler
# of any program comes up).
volatile_keys() {
    local machine='^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\'
    local user='^\[HKEY_(CURRENT_USER|USERS\\[^\\]*)\\'
    grep -v -E -e "${machine}(Video|DeviceClasses)\\\\" \
        -e "${machine}Class\\\\\{4D36E968-E325-11CE-BFC1-08002BE10318\}\\\\" \
        -e '^\[HKEY_LOCAL_MACHINE\\Hardware\\DEVICEMAP\\VIDEO\]' \
        -e "${user}(Console|Software\\\\Wine\\\\WineDbg)[]\\\\]"
}

# same_as_reference WHAT: the current prefix holds what the reference prefix held; prints the
# differences otherwise.
same_as_reference() {
    local now=$ALTOSTRAT_WINE_HOME/now
    snapshot "$now"
    local same=0
    diff -u "$REFERENCE.files" "$now.files" >&2 || same=1
    diff -u "$REFERENCE.registry" "$now.registry" >&2 || same=1
    [ $same -eq 0 ] || fail "$1: the prefix differs from one that never saw the installer"
}

# uninstall_and_wait FOLDER: runs the uninstaller silently. It copies itself away and ends at
# once, so this waits for the folder to go and then for every program of the prefix to end.
uninstall_and_wait() {
    start_bg wine "$1/uninstall.exe" /S
    wait_exit "$LAST_PID" 60
    [ "$EXIT_CODE" -eq 0 ] || fail "uninstaller: exit code $EXIT_CODE"
    poll 60 test ! -e "$1" || fail "the install folder is still there after uninstalling"
    poll 60 key_gone "$UNINSTALL_KEY" || fail "the uninstall entry is still there"
    poll 30 keeper_gone || fail "the keeper still runs after uninstalling"
    [ -z "$(keeper_entry)" ] || fail "the keeper's start-at-sign-in entry is still there"
    wait_wine
}

# wait_wine: waits until every program of the prefix has ended and its server has saved the
# registry and gone. stop_wine: ends them first.
wait_wine() {
    wineserver -w >/dev/null 2>&1 || true
}
stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wait_wine
}

# debug_sections FILE: the names of the program's debugging sections (.debug_*), one a line.
debug_sections() {
    x86_64-w64-mingw32-objdump -h "$1" | awk '$2 ~ /^\.debug_/ {print $2}'
}

# plant_earlier_pictures FOLDER: the three pictures as an earlier version left them in FOLDER.
plant_earlier_pictures() {
    local n
    mkdir -p "$1"
    for n in 1 2 3; do
        echo "picture $n" >"$1/Altostrat$n.bmp"
    done
}

# keeper_entry: the keeper's start-at-sign-in value in the Run key, as exported ("" without).
# keeper_running / keeper_gone: its hidden window is there / is not.
keeper_entry() {
    reg_value "$(export_key "$RUN_KEY")" アルトストラト常駐
}
keeper_running() {
    window_exists AltostratKeeper AltostratKeeper
}
keeper_gone() {
    ! keeper_running
}
# expect_keeper_started FOLDER_ESCAPED: the entry names the installed keeper, quoted, and it runs.
expect_keeper_started() {
    [ "$(keeper_entry)" = "\"\\\"$1\\\\アルトストラト常駐.exe\\\"\"" ] ||
        fail "the keeper's entry is not the quoted installed keeper: $(keeper_entry)"
    poll 30 keeper_running || fail "the installer did not start the keeper"
}
