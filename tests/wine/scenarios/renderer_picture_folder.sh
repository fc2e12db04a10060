# The renderer started with "/folder" (as the host starts it, with a folder made for the run)
# reads its pictures there. A folder whose name has Japanese letters and a blank holds the three
# pictures: the flight shows the sky picture, and the desktop picture leaves that folder while
# the flight still runs; the sky and glow pictures stay for the host to remove. Started with a
# folder that does not exist, or one holding nothing readable (a sky picture that is no bitmap),
# the renderer still flies, with no message box stopping it: the sky in the sky colour over a
# plain ground (neither white, nor black, nor the desktop), until Escape. Started alone and with
# no pictures it ends before its first frame as before (renderer_windowed).
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
warm_wine
remove_captures
folder_name="絵の フォルダ"
run_folder="$WINEPREFIX/drive_c/$folder_name"
rm -rf "$run_folder"
write_capture_files "$run_folder"
shot="$BUILD/scenario-picture-folder.png"

start_renderer /folder "C:\\$folder_name"
renderer=$RENDERER_PID
poll 60 flight_shown "$shot" || fail "no sky picture from the folder C:\\$folder_name"
desktop_deleted() {
    [ ! -e "$run_folder/Altostrat2.bmp" ]
}
poll 10 desktop_deleted || fail "the desktop picture is still in the folder"
running "$renderer" || fail "the renderer ended"
window_shown OpenGL Altostrat_VC || fail "the flight window went away"
[ -e "$run_folder/Altostrat1.bmp" ] && [ -e "$run_folder/Altostrat3.bmp" ] ||
    fail "the sky or glow picture went away"
echo "the desktop picture is gone from the folder during the flight"
press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
rm -rf "$run_folder"

# plain_flight FILE: the top of the screen is the sky colour and the ground below is plain:
# neither the white of a surface without its picture, nor black, nor the desktop's colours.
plain_flight() {
    local r g b
    screenshot "$1"
    read -r r g b < <(pixel "$1" 512 20)
    [ $((r - 211)) -ge -3 ] && [ $((r - 211)) -le 3 ] && [ $((g - 237)) -ge -3 ] &&
        [ $((g - 237)) -le 3 ] && [ $((b - 254)) -ge -3 ] || return 1
    read -r r g b < <(pixel "$1" 100 740)
    echo "ground: $r $g $b"
    [ "$r" -lt 200 ] && [ "$g" -lt 200 ] && [ "$b" -lt 200 ] &&
        [ "$r" -gt 60 ] && [ "$g" -gt 60 ] && [ "$b" -gt 60 ] || return 1
    # The sample desktop differs from one corner to the other; a plain ground does not.
    [ "$(columns_apart "$1" 100 924 700 760)" -lt 20 ]
}
unreadable="$WINEPREFIX/drive_c/altostrat-unreadable"
rm -rf "$unreadable"
mkdir -p "$unreadable"
echo "not a bitmap" >"$unreadable/Altostrat1.bmp"
for folder in 'C:\altostrat-missing' 'C:\altostrat-unreadable'; do
    start_renderer /folder "$folder"
    renderer=$RENDERER_PID
    poll 60 plain_flight "$shot" || fail "no plain flight with the folder $folder"
    echo "a plain flight with the folder $folder"
    press_key Escape
    wait_exit "$renderer" 30
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape with $folder"
done
rm -rf "$unreadable"
