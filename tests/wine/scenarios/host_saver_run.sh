# A saver run from end to end on a desktop of known pixels: the real host started with /s makes a
# folder of its own in the user's temporary folder and writes the three pictures there (the
# screen 1:1 at 1024 x 768 with the screen's top-left pixel at the file's top-left, the sky and
# the glow at 256 x 256), and nothing anywhere else on drive C: (no C:\t_wisp). The renderer's
# window appears, and once the flight is shown the photograph of the desktop is gone already (the
# renderer deletes it when its texture is made). A second start while the saver runs ends at
# once without touching the pictures, and one Escape ends the renderer and then the host within
# about a second of the renderer's window going; the run's folder is gone with it. A second run,
# ended mid-flight by the end of the Windows session (WM_ENDSESSION to the hidden form), leaves
# no picture behind either.
start_xvfb 1024x768
warm_wine
saver_in_folder
# ImageMagick reports a failure after setting the root picture, so its status is not used.
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
screen_shot=$ALTOSTRAT_WINE_HOME/saver-root.png
screenshot "$screen_shot"
capture=$(capture_folder)
rm -rf "$capture"
marker=$ALTOSTRAT_WINE_HOME/saver-run-marker
touch "$marker"

start_program "$HOST_COPY" /s
host=$PROGRAM_PID

# The photograph is opened the moment it appears, since the renderer deletes it once read.
open_run_desktop 60 || fail "no picture of the desktop in a run folder: $(run_folders)"
desktop_fd=$DESKTOP_FD
folder=$(dirname "$DESKTOP_FILE")
echo "run folder: ${folder#"$TEMP_DIR"/}"

# size_of FILE: "WxH" of a picture, or nothing while it is not there (yet).
size_of() {
    identify -format '%wx%h' "$1" 2>/dev/null || true
}
# The sky and the glow are written after the desktop: once they are there, so is all of it.
pictures_written() {
    [ "$(size_of "$folder/Altostrat1.bmp")" = 256x256 ] &&
        [ "$(size_of "$folder/Altostrat3.bmp")" = 256x256 ]
}
poll 60 pictures_written || fail "the sky and the glow did not appear: $(ls -l "$folder" 2>&1)"
desktop=$ALTOSTRAT_WINE_HOME/saver-desktop.bmp
cp "/proc/$$/fd/$desktop_fd" "$desktop"
exec {desktop_fd}<&-
[ "$(size_of "$desktop")" = 1024x768 ] || fail "the desktop's picture is $(size_of "$desktop")"
for corner in "0 0" "1023 0" "0 767" "1023 767"; do
    # shellcheck disable=SC2086 # two coordinates
    [ "$(pixel "$desktop" $corner)" = "$(pixel "$screen_shot" $corner)" ] ||
        fail "Altostrat2.bmp at ($corner) is not the screen's pixel there"
done
# The glow's grey is kept through the conversion to the file's depth: 159 next to the centre.
[ "$(pixel "$folder/Altostrat3.bmp" 126 126)" = "159 159 159" ] || fail "glow centre changed"
[ "$(pixel "$folder/Altostrat3.bmp" 0 0)" = "0 0 0" ] || fail "glow corner is not black"

shot=$ALTOSTRAT_WINE_HOME/saver-flight.png
poll 60 flight_shown "$shot" || fail "the flight did not appear"
running "$host" || fail "the host ended while the renderer runs"
[ ! -e "$DESKTOP_FILE" ] || fail "the picture of the desktop is still there during the flight"

sky_written=$(stat -c %Y.%s "$folder/Altostrat1.bmp")
run_host 10 /s
[ "$EXIT_CODE" -eq 0 ] || fail "a second /s gave exit code $EXIT_CODE"
[ "$(run_folders)" = "$(basename "$folder")" ] || fail "a second /s made a folder: $(run_folders)"
[ "$(stat -c %Y.%s "$folder/Altostrat1.bmp")" = "$sky_written" ] || fail "a second /s wrote the pictures"
running "$host" || fail "a second /s ended the first"

press_key Escape
poll 30 window_gone OpenGL Altostrat_VC || fail "one Escape did not end the renderer"
wait_exit "$host" 2
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
[ -z "$(run_folders)" ] || fail "the run's folder stayed after the run: $(ls -lR "$folder" 2>&1)"
[ ! -e "$capture" ] || fail "the run made C:\\t_wisp"
changed=$(drive_c_changes "$marker")
[ -z "$changed" ] || fail "the run wrote on drive C: outside the temporary folder: $changed"

# Windows ends the session while the flight is shown: the host cleans up and ends at once, and
# no picture is left although the renderer still flies (Windows would end it next).
start_program "$HOST_COPY" /s
host=$PROGRAM_PID
poll 60 flight_shown "$shot" || fail "the second flight did not appear"
probe post Altostrat_Main 0x0016 1 0 >/dev/null || fail "could not post WM_ENDSESSION"
wait_exit "$host" 10
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended the session with exit code $EXIT_CODE"
[ -z "$(run_pictures)" ] || fail "pictures left after the end of the session: $(run_pictures)"
[ -z "$(run_folders)" ] || fail "a folder left after the end of the session: $(run_folders)"
press_key Escape
poll 30 window_gone OpenGL Altostrat_VC || fail "Escape did not end the renderer"
