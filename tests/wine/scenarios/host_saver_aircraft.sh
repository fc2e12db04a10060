# The glider through a whole saver run: with "アルトストラト.ms3d" beside the renderer and
# "機体= 1" in the settings file, the view's centre shows the glider; with "機体= 0" it does not,
# and neither does a run without the file. Three host /s runs on one desktop; each is looked at
# in its first flight frame, which falls in the flight's first straight stretch: it starts the
# same on every run (heading and course are fixed until the first turn), so the runs' frames
# match except for how far the ground has moved on. Against the run without the file, the run
# with the glider changes many pixels at the centre of the view, light ones; the run with
# "機体= 0" changes there no more than a small part of that, as much as the ground moved on.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"

# saver_frame SHOWN FILE: one saver run with "機体= SHOWN" in the settings file; its first frame of
# the flight goes to FILE, then Escape ends the run.
saver_frame() {
    printf '[Section]\r\n\x8b\x40\x91\xcc= %s\r\n' "$1" >"$HOST_INI"
    start_program "$HOST_COPY" /s
    local host=$PROGRAM_PID
    poll 60 flight_shown "$2" || fail "no flight in the run with 機体= $1"
    press_key Escape
    poll 30 window_gone OpenGL Altostrat_VC || fail "Escape did not end the run with 機体= $1"
    wait_exit "$host" 10
    [ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
}

# changed_pixels A B GEOMETRY: how many pixels of the region (WxH+X+Y) differ between the two
# pictures by more than 30 in red, green and blue summed.
changed_pixels() {
    convert "$1" "$2" -compose difference -composite -crop "$3" +repage -separate \
        -evaluate-sequence add -threshold 12% -format '%[fx:int(mean*w*h+0.5)]\n' info:
}

# changed_brightness A B GEOMETRY: the mean grey (0 to 255) of picture A over the pixels of the
# region that changed_pixels counts.
changed_brightness() {
    convert "$1" "$2" -compose difference -composite -crop "$3" +repage -separate \
        -evaluate-sequence add -threshold 12% "$ALTOSTRAT_WINE_HOME/changed-mask.png"
    convert "$1" -crop "$3" +repage -colorspace gray "$ALTOSTRAT_WINE_HOME/changed-mask.png" \
        -compose multiply -composite -format '%[fx:mean]\n' info: >"$ALTOSTRAT_WINE_HOME/sum"
    convert "$ALTOSTRAT_WINE_HOME/changed-mask.png" -format '%[fx:mean]\n' info: \
        >>"$ALTOSTRAT_WINE_HOME/sum"
    awk 'NR == 1 { s = $1 } NR == 2 { print ($1 > 0 ? int(255 * s / $1) : 0) }' \
        "$ALTOSTRAT_WINE_HOME/sum"
}

without="$BUILD/scenario-aircraft-no-file.png"
shown="$BUILD/scenario-aircraft-shown.png"
hidden="$BUILD/scenario-aircraft-hidden.png"
saver_frame 1 "$without"
cp "$ALTOSTRAT_SOURCE_DIR/assets/glider.ms3d" "$HOST_DIR/アルトストラト.ms3d"
saver_frame 1 "$shown"
saver_frame 0 "$hidden"

# The glider flies level just below the view's centre and spans about a fifth of its width.
centre=240x120+392+330
shown_centre=$(changed_pixels "$shown" "$without" "$centre")
hidden_centre=$(changed_pixels "$hidden" "$without" "$centre")
echo "pixels changed at the centre: $shown_centre with the glider, $hidden_centre with 機体= 0"
[ "$shown_centre" -gt 1000 ] || fail "no glider at the centre of the view"
light=$(changed_brightness "$shown" "$without" "$centre")
echo "the glider's mean grey: $light"
[ "$light" -gt 170 ] || fail "the shape at the centre is not light ($light)"
[ "$hidden_centre" -lt $((shown_centre / 4)) ] || fail "a glider at the centre with 機体= 0"
