# The installer and its uninstaller in a fresh prefix, compared with a second fresh prefix that
# never saw them. A silent install puts both programs into the user's own Programs folder and
# writes the uninstall entry (name and version as in assets/version.h, paths that exist, size as
# measured); the installed host runs /s from there; a second install keeps a settings file
# written in between; a silent install does not choose the screensaver, a watched one (pages in
# Japanese on a Japanese system) does from its finish page. The licence (and the aircraft model,
# once the tree has one) lies beside the programs. Two Start-menu entries, named in the system's
# language, start Windows' own InstallScreenSaver on the installed host and the host with /c
# (Wine's shell opens each link: the command lines it starts are traced, and the settings dialog
# appears). The uninstaller removes them, clears the choice only when it names this
# screensaver, and afterwards the prefix holds exactly what the reference holds. The programs in
# the installer and in the zip carry no debugging sections; their symbols lie beside the build.
# The pictures earlier versions left in C:\t_wisp are deleted by the installer and the
# uninstaller where that is a plain folder (the folder too once it is empty), and never through
# a link put in its place (Wine shows a Unix link to a folder as a reparse point, as Windows
# shows a junction). Fault case: an install folder blocked by a file ends a silent install with
# exit code 2, a message in the system's language on standard error, and no change; so does a
# folder other accounts may change, in it or above it (Wine shows a Unix folder others may write
# as one Everyone may modify), naming the folder and the account. The folders the installer
# makes get a list for the user alone (Wine keeps that as a Unix mode without the others' bits),
# and the uninstaller it writes is the one the build finished (and signed).
# The keeper ships beside the programs: a silent install and the watched one's finish page (its
# second box, ticked by default) register it in the user's Run key and start it, an upgrade
# restarts it, "/stop" ends it, and the uninstaller ends it and removes the entry.
source "$(dirname "${BASH_SOURCE[0]}")/../installer-lib.sh"
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
[ -f "$SETUP_EXE" ] ||
    fail "no $SETUP_EXE: build it with cmake --build --preset windows --target dist"
start_xvfb 1024x768

stop_wine
REFERENCE=$ALTOSTRAT_WINE_HOME/installer-reference
fresh_prefix "$REFERENCE-prefix"
fresh_prefix "$ALTOSTRAT_WINE_HOME/installer-prefix"
export WINEPREFIX=$REFERENCE-prefix
snapshot "$REFERENCE"
stop_wine
rm -rf "$REFERENCE-prefix"
export WINEPREFIX=$ALTOSTRAT_WINE_HOME/installer-prefix

# The fault case first, while the prefix is as fresh as the reference.
blocker=$WINEPREFIX/drive_c/blocked
echo "a file, not a folder" >"$blocker"
run_setup /S '/D=C:\blocked\アルトストラト'
[ "$EXIT_CODE" -eq 2 ] || fail "install under a file: exit code $EXIT_CODE, not 2"
grep -q 'cannot be installed into' "$SETUP_ERR" || fail "no English message: $(cat "$SETUP_ERR")"
grep -qF 'C:\blocked\アルトストラト' "$SETUP_ERR" || fail "the message does not name the folder"
_altostrat_locale "$ALTOSTRAT_WINE_HOME" ja_JP.UTF-8
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 run_setup /S '/D=C:\blocked'
[ "$EXIT_CODE" -eq 2 ] || fail "install into a file: exit code $EXIT_CODE, not 2"
grep -q 'インストールできません' "$SETUP_ERR" || fail "no Japanese message: $(cat "$SETUP_ERR")"
[ "$(cat "$blocker")" = "a file, not a folder" ] || fail "the blocking file was changed"
rm "$blocker"
shared=$WINEPREFIX/drive_c/shared
mkdir -m 777 "$shared"
run_setup /S '/D=C:\shared\アルトストラト'
[ "$EXIT_CODE" -eq 2 ] || fail "install below a folder others may change: exit code $EXIT_CODE"
grep -q 'other accounts of this computer (Everyone) may change' "$SETUP_ERR" &&
    tr -d '\r' <"$SETUP_ERR" | grep -qxF 'C:\shared' || fail "no message naming C:\shared: $(cat "$SETUP_ERR")"
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 run_setup /S '/D=C:\shared'
[ "$EXIT_CODE" -eq 2 ] || fail "install into a folder others may change: exit code $EXIT_CODE"
grep -q 'ほかのアカウント (Everyone) が' "$SETUP_ERR" || fail "no Japanese message: $(cat "$SETUP_ERR")"
[ -z "$(ls -A "$shared")" ] || fail "the refused installs left $(ls -A "$shared")"
rmdir "$shared"
stop_wine
same_as_reference "after the failed installs"

# A silent install, with a link in the place of the earlier versions' folder.
local_appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
install_win="$local_appdata\\Programs\\アルトストラト"
install_dir=$(unix_path "$install_win")
desktop='HKEY_CURRENT_USER\Control Panel\Desktop'
earlier=$WINEPREFIX/drive_c/t_wisp
elsewhere=$ALTOSTRAT_WINE_HOME/installer-elsewhere
rm -rf "$elsewhere"
plant_earlier_pictures "$elsewhere"
ln -s "$elsewhere" "$earlier"
run_setup /S
[ "$EXIT_CODE" -eq 0 ] || fail "silent install: exit code $EXIT_CODE: $(cat "$SETUP_ERR")"
[ -z "$(reg_value "$(export_key "$desktop")" SCRNSAVE.EXE)" ] ||
    fail "a silent install chose the screensaver"
cmp -s "$install_dir/アルトストラト.scr" "$SHIPPED_HOST" || fail "the host is not in $install_dir"
cmp -s "$install_dir/アルトストラト.dll" "$SHIPPED_RENDERER" || fail "the renderer is not beside it"
cmp -s "$install_dir/アルトストラト常駐.exe" "$SHIPPED_KEEPER" || fail "the keeper is not beside it"
cmp -s "$install_dir/uninstall.exe" "$SHIPPED_UNINSTALLER" ||
    fail "the installed uninstaller is not the one the build finished"
[[ $(stat -c %a "$install_dir") == *0 ]] ||
    fail "the install folder was made with access for others: $(stat -c %a "$install_dir")"
[ -L "$earlier" ] && [ "$(ls "$elsewhere")" = "$(printf 'Altostrat%s.bmp\n' 1 2 3)" ] ||
    fail "the install deleted through a link in the place of C:\\t_wisp"
rm "$earlier"
for program in "$install_dir/アルトストラト.scr" "$install_dir/アルトストラト.dll"; do
    [ -z "$(debug_sections "$program")" ] ||
        fail "$(basename "$program") ships with $(debug_sections "$program" | tr '\n' ' ')"
done
for program in アルトストラト.scr アルトストラト.dll; do
    debug_sections "$SYMBOLS_DIR/$program.debug" | grep -qx .debug_info ||
        fail "no symbols of $program beside the build"
done
sed 's/$/\r/' "$ALTOSTRAT_SOURCE_DIR/LICENSE" | cmp -s - "$install_dir/LICENSE.txt" ||
    fail "the licence is not beside the programs with Windows line ends"
model=$ALTOSTRAT_SOURCE_DIR/assets/glider.ms3d
if [ -f "$model" ]; then
    cmp -s "$install_dir/アルトストラト.ms3d" "$model" || fail "the aircraft is not beside the programs"
else
    [ ! -e "$install_dir/アルトストラト.ms3d" ] || fail "an aircraft was installed from nowhere"
fi

entry=$(export_key "$UNINSTALL_KEY")
echo "$entry"
escaped=${install_win//\\/\\\\}
[ "$(reg_value "$entry" DisplayName)" = "\"$(header_text ALTOSTRAT_PRODUCT_NAME)\"" ] ||
    fail "DisplayName is not the product name"
[ "$(reg_value "$entry" DisplayVersion)" = "\"$(header_text ALTOSTRAT_VERSION_TEXT)\"" ] ||
    fail "DisplayVersion is not the version text"
[ "$(reg_value "$entry" Publisher)" = "\"$(header_text ALTOSTRAT_PUBLISHER)\"" ] ||
    fail "Publisher is not the publisher line"
[ "$(reg_value "$entry" DisplayIcon)" = "\"$escaped\\\\アルトストラト.scr\"" ] ||
    fail "DisplayIcon is not the installed host"
[ "$(reg_value "$entry" UninstallString)" = "\"\\\"$escaped\\\\uninstall.exe\\\"\"" ] ||
    fail "UninstallString is not the quoted uninstaller"
[ "$(reg_value "$entry" QuietUninstallString)" = "\"\\\"$escaped\\\\uninstall.exe\\\" /S\"" ] ||
    fail "QuietUninstallString is not the quoted uninstaller with /S"
[ -f "$install_dir/uninstall.exe" ] || fail "no uninstaller in $install_dir"
expect_keeper_started "$escaped"
[ "$(reg_value "$entry" NoModify)" = "dword:00000001" ] || fail "NoModify is not 1"
[ "$(reg_value "$entry" NoRepair)" = "dword:00000001" ] || fail "NoRepair is not 1"
size_kib=$(($(reg_value "$entry" EstimatedSize | sed 's/dword://; s/^/0x/')))
measured_kib=$(($(du -s --apparent-size -B1 "$install_dir" | cut -f1) / 1024))
[ $((size_kib - measured_kib)) -le 8 ] && [ $((measured_kib - size_kib)) -le 8 ] ||
    fail "EstimatedSize $size_kib KiB, the folder holds $measured_kib KiB"

# The zip holds the same files in one folder, with the same licence.
zip_listing=$(LC_ALL=C.UTF-8 cmake -E tar tf "$BUILD/dist/アルトストラト-portable.zip")
for file in アルトストラト.scr アルトストラト.dll アルトストラト常駐.exe LICENSE.txt README.txt; do
    grep -qx "アルトストラト/$file" <<<"$zip_listing" || fail "the zip has no $file: $zip_listing"
done
if [ -f "$model" ]; then
    grep -qx "アルトストラト/アルトストラト.ms3d" <<<"$zip_listing" || fail "the zip has no aircraft"
fi
unzipped=$ALTOSTRAT_WINE_HOME/installer-zip
rm -rf "$unzipped"
mkdir -p "$unzipped"
(cd "$unzipped" && LC_ALL=C.UTF-8 cmake -E tar xf "$BUILD/dist/アルトストラト-portable.zip")
cmp -s "$unzipped/アルトストラト/アルトストラト.scr" "$SHIPPED_HOST" &&
    cmp -s "$unzipped/アルトストラト/アルトストラト.dll" "$SHIPPED_RENDERER" ||
    fail "the zip's programs are not the stripped ones"
rm -rf "$unzipped"

# The Start-menu entries, English on this system, and no Japanese ones.
appdata=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
start_menu=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs")
choose_en="$start_menu/Make Altostrat the screensaver.lnk"
settings_en="$start_menu/Altostrat settings.lnk"
choose_ja="$start_menu/アルトストラト をスクリーンセーバーにする.lnk"
settings_ja="$start_menu/アルトストラト の設定.lnk"
[ -f "$choose_en" ] && [ -f "$settings_en" ] || fail "no Start-menu entries: $(ls "$start_menu")"
[ ! -e "$choose_ja" ] && [ ! -e "$settings_ja" ] || fail "Japanese Start-menu entries on English"

# open_link LNK: Wine's shell opens the link; the processes it starts are traced to LINK_TRACE.
# Wine resolves a link by the target path it stores in the ANSI code page, so a link to the host
# (whose name is Japanese) is opened only on a Japanese system; the English system's links are
# opened through the InstallScreenSaver entry, whose target is rundll32.
open_link() {
    LINK_TRACE=$ALTOSTRAT_WINE_HOME/link-trace.txt
    start_bg env WINEDEBUG=+process wine start /unix "$1" 2>"$LINK_TRACE"
    wait_exit "$LAST_PID" 60
}
link_started() {
    grep -aF 'CreateProcessInternalW app (null)' "$LINK_TRACE"
}
# The trace writes the Japanese of the host's name as \30xx escapes and doubles backslashes.
host_escaped='\\\30a2\30eb\30c8\30b9\30c8\30e9\30c8.scr'
install_escaped=$(printf '%s' "$escaped" | sed 's/アルトストラト/\\30a2\\30eb\\30c8\\30b9\\30c8\\30e9\\30c8/')
# opened_choose / opened_settings: the link started rundll32's InstallScreenSaver on the
# installed host / the installed host with /c.
opened_choose() {
    grep -qF "rundll32.exe\\\" desk.cpl,InstallScreenSaver $install_escaped$host_escaped\"" \
        "$LINK_TRACE"
}
opened_settings() {
    grep -qF "cmdline L\"\\\"$install_escaped$host_escaped\\\" /c\"" "$LINK_TRACE"
}
open_link "$choose_en"
opened_choose || fail "the first entry does not run InstallScreenSaver on the host: $(link_started)"

# The installed (stripped) host runs a whole saver run from its installed place: it starts the
# renderer from beside itself with the pictures in a folder of the run's own, and ends with it
# when Escape ends the flight, leaving neither that folder nor C:\t_wisp.
find_temp_folder
run_installed_host() {
    start_program "$install_dir/アルトストラト.scr" /s
    local host=$PROGRAM_PID
    poll 60 flight_shown "$ALTOSTRAT_WINE_HOME/installer-flight.png" ||
        fail "the installed host showed no flight"
    press_key Escape
    wait_exit "$host" 60
    [ "$EXIT_CODE" -eq 0 ] || fail "the installed host /s: exit code $EXIT_CODE"
    [ -z "$(run_folders)" ] || fail "the installed host left $(run_folders)"
    [ ! -e "$earlier" ] || fail "the installed host made C:\\t_wisp"
}
run_installed_host

# An upgrade keeps the settings file written in between, and clears the earlier versions'
# pictures from their plain folder, leaving what else is in it.
settings="$install_dir/アルトストラト.ini"
printf '[Section]\r\nkept=%s\r\n' "$RANDOM$RANDOM" >"$settings"
cp "$settings" "$ALTOSTRAT_WINE_HOME/settings-before"
plant_earlier_pictures "$earlier"
echo "the user's own" >"$earlier/notes.txt"
run_setup /S
[ "$EXIT_CODE" -eq 0 ] || fail "second install: exit code $EXIT_CODE"
cmp -s "$settings" "$ALTOSTRAT_WINE_HOME/settings-before" ||
    fail "the second install changed the settings file"
cmp -s "$install_dir/アルトストラト.scr" "$SHIPPED_HOST" || fail "the host went away in the second install"
expect_keeper_started "$escaped"
[ "$(ls "$earlier")" = notes.txt ] || fail "the install left in C:\\t_wisp: $(ls "$earlier")"
rm -rf "$earlier"

# Another screensaver chosen: the uninstaller leaves the choice alone. A link in the place of the
# earlier versions' folder stays, and so does all behind it.
other='C:\windows\system32\other.scr'
wine reg add "$desktop" /v SCRNSAVE.EXE /d "$other" /f >/dev/null 2>&1
ln -s "$elsewhere" "$earlier"
uninstall_and_wait "$install_dir"
[ -L "$earlier" ] && [ "$(ls "$elsewhere")" = "$(printf 'Altostrat%s.bmp\n' 1 2 3)" ] ||
    fail "the uninstaller deleted through a link in the place of C:\\t_wisp"
rm -rf "$earlier" "$elsewhere"
for link in "$choose_en" "$settings_en" "$choose_ja" "$settings_ja"; do
    [ ! -e "$link" ] || fail "the uninstaller left $link"
done
[ "$(reg_value "$(export_key "$desktop")" SCRNSAVE.EXE)" = "\"${other//\\/\\\\}\"" ] ||
    fail "the uninstaller changed another screensaver's choice"
wine reg delete "$desktop" /v SCRNSAVE.EXE /f >/dev/null 2>&1

# A watched install on a Japanese system: Japanese pages, and the finish page's option makes it
# the screensaver in the short form Windows itself gives, and starts Windows' own way of opening
# the Screen Saver Settings with it (the command line Windows registers for a .scr's Install;
# Wine has no Display control panel to show).
trace=$ALTOSTRAT_WINE_HOME/setup-trace.txt
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 start_bg env WINEDEBUG=+process wine "$SETUP_EXE" 2>"$trace"
setup=$LAST_PID
wizard_next "アルトストラト セットアップへようこそ"
wizard_next "インストール先"
wizard_next "アルトストラト をスクリーンセーバーにして"
wait_exit "$setup" 60
[ "$EXIT_CODE" -eq 0 ] || fail "watched install: exit code $EXIT_CODE"
short=$(short_path "$install_win\\アルトストラト.scr")
[[ $short == *~* ]] || fail "no short form of the host's path: $short"
[ "$(reg_value "$(export_key "$desktop")" SCRNSAVE.EXE)" = "\"${short//\\/\\\\}\"" ] ||
    fail "the finish page's option did not choose $short"
expect_keeper_started "$escaped"
grep -qF 'rundll32.exe\" desk.cpl,InstallScreenSaver C:\\users\\' "$trace" ||
    fail "the Screen Saver Settings were not opened with the host"
grep -F 'desk.cpl,InstallScreenSaver' "$trace" | grep -qF '\30c8.scr' ||
    fail "the Screen Saver Settings were opened with something else than the host"
rm -f "$trace"
[ -f "$choose_ja" ] && [ -f "$settings_ja" ] || fail "no Japanese Start-menu entries: $(ls "$start_menu")"
[ ! -e "$choose_en" ] && [ ! -e "$settings_en" ] || fail "English Start-menu entries on Japanese"
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 open_link "$choose_ja"
opened_choose || fail "the first Japanese entry does not run InstallScreenSaver: $(link_started)"
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 open_link "$settings_ja"
opened_settings || fail "the settings entry does not run the host with /c: $(link_started)"
poll 60 window_shown - "<アルトストラト>" || fail "the settings entry opened no settings dialog"
screenshot "$ALTOSTRAT_WINE_HOME/installer-settings-entry.png"
probe post - "<アルトストラト>" 0x0010 0 0 >/dev/null || fail "could not close the settings dialog"
poll 30 window_gone - "<アルトストラト>" || fail "the settings dialog did not close"
wine "$install_dir/アルトストラト常駐.exe" /stop >/dev/null 2>&1 || fail "/stop did not end the keeper"
keeper_gone || fail "the keeper still runs after /stop"
wait_wine
rm -f "$LINK_TRACE"
run_installed_host
# The earlier versions' plain folder with its pictures alone goes whole with the uninstall (the
# comparison with the reference below shows it).
plant_earlier_pictures "$earlier"
uninstall_and_wait "$install_dir"
[ -z "$(reg_value "$(export_key "$desktop")" SCRNSAVE.EXE)" ] ||
    fail "the uninstaller kept the choice of the screensaver it removed"

same_as_reference "after uninstalling"
stop_wine
rm -rf "$WINEPREFIX" "$REFERENCE".*
