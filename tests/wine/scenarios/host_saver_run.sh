# A saver run from end to end on a desktop of known pixels: the real host started with /s writes
# the three pictures (the screen 1:1 at 1024 x 768 with the screen's top-left pixel at the
# file's top-left, the sky and the glow at 256 x 256), the renderer's window appears, a second
# start while the saver runs ends at once without touching the pictures, and one Escape ends the
# renderer and then the host within about a second of the renderer's window going. Then no
# picture of the desktop is left behind: Altostrat2.bmp is gone, the sky and the glow stay.
start_xvfb 1024x768
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"
printf '[Section]\r\n' >"$HOST_INI"
# ImageMagick reports a failure after setting the root picture, so its status is not used.
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
screen_shot=$ALTOSTRAT_WINE_HOME/saver-root.png
screenshot "$screen_shot"
capture=$(capture_folder)
rm -rf "$capture"

start_program "$HOST_COPY" /s
host=$PROGRAM_PID

# size_of FILE: "WxH" of a picture, or nothing while it is not there (yet).
size_of() {
    identify -format '%wx%h' "$1" 2>/dev/null || true
}
pictures_written() {
    [ "$(size_of "$capture/Altostrat1.bmp")" = 256x256 ] &&
        [ "$(size_of "$capture/Altostrat2.bmp")" = 1024x768 ] &&
        [ "$(size_of "$capture/Altostrat3.bmp")" = 256x256 ]
}
poll 60 pictures_written || fail "the three pictures did not appear with their sizes: $(ls -l "$capture" 2>&1)"
for corner in "0 0" "1023 0" "0 767" "1023 767"; do
    # shellcheck disable=SC2086 # two coordinates
    [ "$(pixel "$capture/Altostrat2.bmp" $corner)" = "$(pixel "$screen_shot" $corner)" ] ||
        fail "Altostrat2.bmp at ($corner) is not the screen's pixel there"
done
# The glow's grey is kept through the conversion to the file's depth: 159 next to the centre.
[ "$(pixel "$capture/Altostrat3.bmp" 126 126)" = "159 159 159" ] || fail "glow centre changed"
[ "$(pixel "$capture/Altostrat3.bmp" 0 0)" = "0 0 0" ] || fail "glow corner is not black"

poll 60 window_shown OpenGL Altostrat_VC || fail "the renderer's window did not appear"
running "$host" || fail "the host ended while the renderer runs"

written=$(stat -c %Y.%s "$capture/Altostrat2.bmp")
run_host 10 /s
[ "$EXIT_CODE" -eq 0 ] || fail "a second /s gave exit code $EXIT_CODE"
[ "$(stat -c %Y.%s "$capture/Altostrat2.bmp")" = "$written" ] || fail "a second /s wrote the pictures"
running "$host" || fail "a second /s ended the first"

press_key Escape
poll 30 window_gone OpenGL Altostrat_VC || fail "one Escape did not end the renderer"
wait_exit "$host" 2
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
[ ! -e "$capture/Altostrat2.bmp" ] || fail "the picture of the desktop stayed after the run"
[ "$(size_of "$capture/Altostrat1.bmp")" = 256x256 ] || fail "the sky picture went with the run"
[ "$(size_of "$capture/Altostrat3.bmp")" = 256x256 ] || fail "the glow picture went with the run"
