# The settings dialog under /c: it shows titled "<アルトストラト>" with its Japanese captions
# drawn as glyphs (a column of a kanji like 目 crosses four or more strokes; the box a missing
# glyph leaves crosses at most two); the three choices and "設定" write the settings file with
# exactly the Shift-JIS bytes written out below, the 画面 choice and the aircraft and sky boxes
# after the music keys; the 画面 section is reached by the keyboard (Tab, an arrow, Space, Return
# on 設定) and by the mouse; "ｷｬﾝｾﾙ" and Escape leave the file as it was, and so do a right click on 設定
# and a left press on it released off it; the Open dialog, driven by
# typing a path and Return, puts the path into the label and, after "設定", into the file, and
# refuses with a message a path longer than the settings file holds. The 景色 group: reached by
# Tab after the sky box, its choices swapped by an arrow; a picture picked through its "..."
# chooses 画像, the folder box turns it into its folder, and "設定" writes 景色 and 景色ﾌｧｲﾙ
# (a Japanese folder name, in Shift-JIS) after 空, and 時計 last; the window's picture goes to
# the README.
# Clicks go to places in the dialog's client area at 96 DPI: the music panel as before, the
# 画面 section under it with the 景色 group beside it, and the footer 150 pixels lower than
# without that section.
start_xvfb 1024x768
warm_wine
host_in_folder
TITLE="<アルトストラト>"
SHOTS=$ALTOSTRAT_WINE_HOME/settings-dialog
mkdir -p "$SHOTS"

dialog_shown() {
    window_shown - "$TITLE"
}

# open_dialog [ARGS]: starts the host with /c and waits for the dialog; its client area's
# screen position goes to OX, OY.
open_dialog() {
    xdotool mousemove 900 700
    start_program "$HOST_COPY" "${1:-/c}"
    HOST_PID=$PROGRAM_PID
    poll 60 dialog_shown || fail "no visible window $TITLE"
    read -r OX OY <<<"$(probe origin "$TITLE")"
    [ "$(window_info - "$TITLE")" = "client=496x396 style=other visible=1" ] ||
        fail "dialog client area: $(window_info - "$TITLE")"
}

# click X Y [BUTTON]: a click at a point of the dialog's client area.
click() {
    xdotool mousemove $((OX + $1)) $((OY + $2)) click "${3:-1}"
}

# ink_runs FILE X Y W H: the most separate runs of dark pixels (grey < 110) in any one column of
# the box, the count of dark pixels after a slash.
ink_runs() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -compress none pgm:- |
        tr -s ' \n' '\n\n' | awk '
            NR == 2 { w = $1 } NR == 3 { h = $1 } NR <= 4 { next }
            { i = NR - 5; x = i % w; y = int(i / w); d = ($1 < 110)
              if (d) { dark++; if (!prev[x]) runs[x]++ } prev[x] = d }
            END { m = 0; for (x in runs) if (runs[x] > m) m = runs[x]; print m "/" dark + 0 }'
}

# The measure itself can tell a box from a glyph: a hollow box crosses at most two runs.
convert -size 40x20 xc:'#d8d2ca' -fill none -stroke black -draw 'rectangle 3,3 12,16' \
    -draw 'rectangle 16,3 25,16' "$SHOTS/box.png"
[ "$(ink_runs "$SHOTS/box.png" 0 0 40 20 | cut -d/ -f1)" -le 2 ] || fail "the box measure"

pointer_on_open_dialog() {
    local id
    id=$(xdotool search --name '^ﾌｧｲﾙを開く$' 2>/dev/null | head -1)
    [ -n "$id" ] && xdotool mousemove --window "$id" 40 60
}

# type_file_name PATH: types PATH into the Open dialog's file name box and waits until the box
# holds it whole. On a busy machine a character xdotool types through a key borrowed for it (写,
# 真) can reach Wine after the key was given back, and is lost: the box is then emptied and the
# path typed again, three times at most.
type_file_name() {
    local try
    for try in 1 2 3; do
        xdotool type --delay 30 "$1"
        poll 5 file_name_is "$1" && return 0
        xdotool key ctrl+a BackSpace
    done
    fail "the Open dialog's file name is not $1: $(probe texts - "ﾌｧｲﾙを開く" | tr '\n' '|')"
}
file_name_is() {
    probe texts - "ﾌｧｲﾙを開く" | grep -qxF "$1"
}

# The label of the path has ink once the path is drawn into it.
label_shows_path() {
    screenshot "$SHOTS/picked.png"
    picked=$(ink_runs "$SHOTS/picked.png" $((OX + 86)) $((OY + 134)) 369 29)
    [ "${picked#*/}" -gt 150 ]
}

# KIND REPEAT FILE SCREEN AIRCRAFT SKY SCENERY SCENERY_FILE: the bytes "設定" writes, with
# Shift-JIS keys; SCENERY_FILE is printf's format, so its Shift-JIS bytes may be escapes.
sjis_settings() {
    printf '[Section]\r\nBGM\x8b\xe6\x95\xaa= %s\r\nBGM\xd8\xcb\xdf\xb0\xc4= %s\r\nBGM\xcc\xa7\xb2\xd9=%s\r\n\x89\xe6\x96\xca= %s\r\n\x8b\x40\x91\xcc= %s\r\n\x8b\xf3= %s\r\n\x8c\x69\x90\x46= %s\r\n\x8c\x69\x90\x46\xcc\xa7\xb2\xd9=' \
        "$1" "$2" "$3" "${4:-0}" "${5:-1}" "${6:-0}" "${7:-0}"
    printf "${8:-}"
    printf '\r\n\x8e\x9e\x8c\x76= %s\r\n' "${9:-0}"  # 時計
}

SET_Y=362          # 設定 and ｷｬﾝｾﾙ, under the 画面 section
SCREEN_SWITCH_Y=228  # "解像度を 1024×768 に切り替える"
SCREEN_ALL_Y=248     # "今の解像度ですべての画面に"
SCREEN_EACH_Y=268    # "画面ごとに別々に飛ぶ"
AIRCRAFT_Y=288       # "紙飛行機を表示する"
SKY_Y=308            # "空を時刻に合わせる"
# The 景色 group, right of the 画面 rows: "デスクトップ" and "画像" on the first row, "..." and
# the path box on the second, the folder box on the third.
SCENERY_X=280
PICTURE_CHOICE_X=392
SCENERY_Y=228
PICTURE_BUTTON_X=294
PICTURE_BUTTON_Y=251
FOLDER_BOX_Y=268
CLOCK_Y=308  # "時計を表示する", under the keeper's box, level with the sky's

# 1. The three choices and "設定", with 5 typed as the track to repeat.
rm -f "$HOST_INI"
open_dialog /c
screenshot "$SHOTS/opened.png"
runs=$(ink_runs "$SHOTS/opened.png" $((OX + 168)) $((OY + 70)) 90 16)
[ "${runs%/*}" -ge 4 ] || fail "曲目をﾘﾋﾟｰﾄ not drawn as glyphs (runs/dark: $runs)"
runs=$(ink_runs "$SHOTS/opened.png" $((OX + 340)) $((OY + 354)) 44 16)
[ "${runs%/*}" -ge 4 ] || fail "設定 not drawn as glyphs (runs/dark: $runs)"
runs=$(ink_runs "$SHOTS/opened.png" $((OX + 56)) $((OY + 282)) 120 16)
[ "${runs%/*}" -ge 4 ] || fail "紙飛行機を表示する not drawn as glyphs (runs/dark: $runs)"
runs=$(ink_runs "$SHOTS/opened.png" $((OX + 56)) $((OY + 302)) 120 16)
[ "${runs%/*}" -ge 4 ] || fail "空を時刻に合わせる not drawn as glyphs (runs/dark: $runs)"
click 45 118   # MP3、WAV
click 45 98    # なし
click 45 78    # 音楽CD
click 135 76   # the combo's text
xdotool type 5
click 362 $SET_Y  # 設定
wait_exit "$HOST_PID" 30
[ "$EXIT_CODE" -eq 0 ] || fail "設定: exit code $EXIT_CODE"
sjis_settings 1 5 "" 0 1 0 >"$SHOTS/expected.ini"
cmp "$SHOTS/expected.ini" "$HOST_INI" || fail "設定 wrote: $(od -c "$HOST_INI" | head)"

# 1b. The keyboard alone through the 画面 section: from the audio CD row (clicked, so it has the
# focus) Tab passes the combo, なし and MP3、WAV ("..." is disabled) to the first 画面 choice; Down
# chooses the second and Down again the third (each monitor its own flight), Tab reaches the
# aircraft box, Space clears it, Tab reaches the sky box, Space ticks it; Tab goes on to
# "デスクトップ" and Right chooses "画像"; two Tabs pass "..." to the folder box, Space
# ticks it (no keeper lies beside the host here, so its box is off and Tab passes it); Tab
# reaches the clock's box, Space ticks it; Tab reaches 設定, Return.
open_dialog /c
click 45 78
xdotool key --delay 80 Tab Tab Tab Tab Down Down Tab space Tab space Tab Right Tab Tab space
screenshot "$SHOTS/keyboard.png"
xdotool key --delay 80 Tab space Tab Return
wait_exit "$HOST_PID" 30
sjis_settings 1 5 "" 2 0 1 1 "" 1 >"$SHOTS/expected.ini"
cmp "$SHOTS/expected.ini" "$HOST_INI" || fail "the keyboard wrote: $(od -c "$HOST_INI" | head)"

# 1c. The mouse: the third 画面 choice, then the first, and the three boxes again, and
# "デスクトップ" again, then 設定.
open_dialog /c
click 45 $SCREEN_EACH_Y
click 45 $SCREEN_SWITCH_Y
click 45 $AIRCRAFT_Y
click 45 $SKY_Y
click $SCENERY_X $CLOCK_Y
click $SCENERY_X $SCENERY_Y
click 362 $SET_Y
wait_exit "$HOST_PID" 30
sjis_settings 1 5 "" 0 1 0 >"$SHOTS/expected.ini"
cmp "$SHOTS/expected.ini" "$HOST_INI" || fail "the mouse wrote: $(od -c "$HOST_INI" | head)"

# 2. "ｷｬﾝｾﾙ" after a change writes nothing.
printf '[Other]\r\nkeep=1\r\n' >"$HOST_INI"
cp "$HOST_INI" "$SHOTS/before.ini"
open_dialog /c
click 45 118
click 45 $SCREEN_ALL_Y
click 45 $AIRCRAFT_Y
click 45 $SKY_Y
# 設定 pressed by the right button, and pressed by the left one but released off it, saves
# nothing and leaves the dialog open, as with any Windows button.
click 362 $SET_Y 3
xdotool mousemove $((OX + 362)) $((OY + SET_Y)) mousedown 1 \
    mousemove $((OX + 250)) $((OY + SET_Y)) mouseup 1
still_running_after "$HOST_PID" 2 || fail "a right click or a release off 設定 closed the dialog"
cmp "$SHOTS/before.ini" "$HOST_INI" || fail "a right click or a release off 設定 saved"
click 442 $SET_Y  # ｷｬﾝｾﾙ
wait_exit "$HOST_PID" 30
cmp "$SHOTS/before.ini" "$HOST_INI" || fail "ｷｬﾝｾﾙ changed the settings file"

# 3. Escape, here after /c:1234 (Windows' own form of the settings switch), writes nothing; the
# start swept the picture folder an earlier run left.
find_temp_folder
plant_leftover Altostrat-4000000000-0
open_dialog /c:1234
click 45 98
xdotool key Escape
wait_exit "$HOST_PID" 30
[ "$EXIT_CODE" -eq 0 ] || fail "Escape: exit code $EXIT_CODE"
cmp "$SHOTS/before.ini" "$HOST_INI" || fail "Escape changed the settings file"
[ ! -e "$TEMP_DIR/Altostrat-4000000000-0" ] || fail "/c:1234 did not sweep a left run folder"

# 4. The file chooser: type a path, Return; the label shows it and "設定" saves it.
rm -f "$HOST_INI"
mkdir -p "$WINEPREFIX/drive_c/music"
printf 'RIFF' >"$WINEPREFIX/drive_c/music/song.wav"
open_dialog /c
screenshot "$SHOTS/before-pick.png"
empty=$(ink_runs "$SHOTS/before-pick.png" $((OX + 86)) $((OY + 134)) 369 29)
click 45 118   # MP3、WAV enables "..."
click 60 142   # ...
poll 30 window_exists - "ﾌｧｲﾙを開く" || fail "no Open dialog"
# Without a window manager the keyboard follows the pointer: rest it on the Open dialog.
poll 30 pointer_on_open_dialog || fail "the Open dialog has no X window"
type_file_name 'C:\music\song.wav'
xdotool key Return
poll 30 window_gone - "ﾌｧｲﾙを開く" || fail "the Open dialog stayed"
xdotool mousemove 900 700
[ "${empty#*/}" -eq 0 ] || fail "the path label was not empty: $empty"
poll 20 label_shows_path || fail "the path label did not change (dark pixels: $picked)"
click 362 $SET_Y
wait_exit "$HOST_PID" 30
sjis_settings 2 0 'C:\music\song.wav' 0 1 0 >"$SHOTS/expected.ini"
cmp "$SHOTS/expected.ini" "$HOST_INI" || fail "the picked file was not saved: $(od -c "$HOST_INI")"

# 5. A picked path longer than the settings file gives back whole (here 258 bytes, of at most
# 255) is refused with a message, titled as the dialog, and the earlier file stays chosen.
long_path="C:\\music\\$(printf 'a%.0s' $(seq 245)).wav"
cp "$HOST_INI" "$SHOTS/before.ini"
open_dialog /c
click 60 142   # ... (the music file is still chosen)
poll 30 window_exists - "ﾌｧｲﾙを開く" || fail "no Open dialog"
poll 30 pointer_on_open_dialog || fail "the Open dialog has no X window"
xdotool type --delay 5 "$long_path"
xdotool key Return
poll 30 window_exists "#32770" "$TITLE" || fail "no message for a path of ${#long_path} bytes"
screenshot "$SHOTS/too-long.png"
# The message lies over the middle of the dialog, its owner: the keyboard follows the pointer.
xdotool mousemove $((OX + 248)) $((OY + 188)) key Return
poll 30 window_gone "#32770" "$TITLE" || fail "the message stayed"
click 362 $SET_Y
wait_exit "$HOST_PID" 30
cmp "$SHOTS/before.ini" "$HOST_INI" || fail "the long path was kept: $(od -c "$HOST_INI" | head)"

# 6. A picture of the user's own: "..." of the 景色 group, a PNG typed into the Open dialog (its
# folder 写真 is Japanese), Return: 画像 is chosen; the folder box then turns the path into the
# folder, and "設定" writes 景色= 1 and the folder, in Shift-JIS (写真 is 8E CA 90 5E), after 空.
rm -f "$HOST_INI"
mkdir -p "$WINEPREFIX/drive_c/写真"
convert -size 64x48 xc:'#3a7d2c' "$WINEPREFIX/drive_c/写真/field.png"
open_dialog /c
click $PICTURE_BUTTON_X $PICTURE_BUTTON_Y
poll 30 window_exists - "ﾌｧｲﾙを開く" || fail "no Open dialog for the picture"
poll 30 pointer_on_open_dialog || fail "the picture's Open dialog has no X window"
type_file_name 'C:\写真\field.png'
xdotool key Return
poll 30 window_gone - "ﾌｧｲﾙを開く" || fail "the picture's Open dialog stayed"
click $SCENERY_X $FOLDER_BOX_Y
xdotool mousemove 900 700
# The README's picture of the dialog: its client area (the whole window without a window
# manager), once the path box shows the folder.
path_box_drawn() {
    screenshot "$SHOTS/scenery.png"
    drawn=$(ink_runs "$SHOTS/scenery.png" $((OX + 310)) $((OY + 243)) 145 16)
    [ "${drawn#*/}" -gt 40 ]
}
poll 20 path_box_drawn || fail "the 景色 path box stayed empty (dark pixels: $drawn)"
convert "$SHOTS/scenery.png" -crop "496x396+$OX+$OY" +repage "$SHOTS/settings-dialog.png"
click 362 $SET_Y
wait_exit "$HOST_PID" 30
sjis_settings 0 0 "" 0 1 0 1 'C:\\\x8e\xca\x90\x5e' >"$SHOTS/expected.ini"
cmp "$SHOTS/expected.ini" "$HOST_INI" || fail "the picture's folder was not saved: $(od -c "$HOST_INI")"
