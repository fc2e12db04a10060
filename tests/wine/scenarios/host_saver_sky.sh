# The sky that follows the clock, through whole saver runs at night: the time zone (TZ, which
# Wine's local time follows) is chosen so that the local time is between one and two in the
# morning whatever the hour of the test. With "空= 0" in the settings file the host starts the
# renderer without "/skyclock" and the flight is under today's midday sky, bright at the top of
# the screen; with "空= 1" it passes "/skyclock" (read from the renderer's Wine process), the
# night's time zone reaches the renderer, and the flight's screenshot is dark: its sky at the top
# is dim and the whole frame well below the midday one's brightness, yet not black. The night's
# frame is judged once the screen is neither the desktop nor a plain colour at the top (as the
# set-up's screens are), so no screen before the flight is taken for it, whatever colours the
# night gives them.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"
HOST_DIR_WINE="Z:${HOST_DIR//\//\\}"
DESKTOP=$ALTOSTRAT_WINE_HOME/sky-desktop.png
screenshot "$DESKTOP"

# One in the morning locally. Wine's clock and the C library's localtime (which reads TZ itself,
# taking exactly three letters for the zone's name) agree on a TZ such as "NGT-5": both count the
# offset westward, so that is five hours east of Greenwich.
utc_hour=$(date -u +%-H)
east=$(((1 - utc_hour + 24) % 24))
[ "$east" -le 12 ] || east=$((east - 24))
export TZ="NGT$((-east))"
local_hour=$(TZ=$TZ date +%-H)
[ "$local_hour" -ge 1 ] && [ "$local_hour" -le 2 ] || fail "TZ=$TZ gives the local hour $local_hour"
echo "TZ=$TZ: local time $(date +%H:%M)"

# renderer_words: the command line of this scenario's renderer as its Wine process shows it, and
# the TZ in its environment, once it runs. Only a process of this prefix counts: other tests on
# the machine may run a renderer of their own.
renderer_words() {
    local dir line
    for dir in /proc/[0-9]*; do
        line=$(tr '\0' ' ' 2>/dev/null <"$dir/cmdline") || continue
        [[ $line == *"$HOST_DIR_WINE\\アルトストラト.dll"* ]] || continue
        tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        RENDERER_LINE=$line
        RENDERER_TZ=$(tr '\0' '\n' <"$dir/environ" | grep '^TZ=' || true)
        return 0
    done
    return 1
}

# mean_grey FILE GEOMETRY: the mean grey (0 to 255) of a region (WxH+X+Y).
mean_grey() {
    convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:int(255*mean)]\n' info:
}

# flight_like FILE: the picture shows a flight of any colours: it is no longer the desktop in most
# of its pixels, and its upper part, where the flight shows only sky, is no single plain colour
# (the set-up's screens are the clear colour there, and so is a window not drawn yet).
flight_like() {
    local unlike spread
    unlike=$(compare -metric AE -fuzz 10% "$1" "$DESKTOP" null: 2>&1 || true)
    spread=$(convert "$1" -crop 1024x300+0+0 +repage -colorspace gray \
        -format '%[fx:int(255*standard_deviation*10)]\n' info:)
    [[ $spread =~ ^[0-9]+$ ]] || spread=0  # a plain picture's deviation reads as "-nan"
    [ "${unlike%%.*}" -gt 393216 ] && [ "$spread" -ge 20 ]
}

# flight_drawn FILE: takes a screenshot into FILE and tells whether it is flight_like.
flight_drawn() {
    screenshot "$1"
    flight_like "$1"
}

# The measure itself: a dark plain screen with a loading panel, and the desktop, are no flight;
# a dark sky whose blue deepens upwards over a dim ground is one.
probe_picture=$ALTOSTRAT_WINE_HOME/sky-probe.png
convert -size 1024x768 xc:'rgb(20,30,60)' -fill white -draw 'rectangle 440,560 584,600' \
    "$probe_picture"
! flight_like "$probe_picture" || fail "the measure takes a loading screen for a flight"
! flight_like "$DESKTOP" || fail "the measure takes the desktop for a flight"
convert -size 1024x384 gradient:'rgb(5,8,25)-rgb(30,40,80)' \( -size 1024x384 \
    pattern:checkerboard -fill 'rgb(20,25,50)' -opaque white \) -append "$probe_picture"
flight_like "$probe_picture" || fail "the measure does not see a dark flight"

# saver_run SKY FILE WAIT: one saver run with "空= SKY"; WAIT (flight_shown or flight_drawn)
# decides when its flight shows, in FILE; then Escape ends the run.
saver_run() {
    printf '[Section]\r\n\x8b\xf3= %s\r\n' "$1" >"$HOST_INI"
    start_program "$HOST_COPY" /s
    local host=$PROGRAM_PID
    poll 60 renderer_words || fail "no renderer process in the run with 空= $1"
    echo "空= $1: the renderer runs as: $RENDERER_LINE ($RENDERER_TZ)"
    poll 60 "$3" "$2" || fail "no flight in the run with 空= $1"
    press_key Escape
    poll 30 window_gone OpenGL Altostrat_VC || fail "Escape did not end the run with 空= $1"
    wait_exit "$host" 10
    [ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
}

day="$BUILD/scenario-sky-day.png"
night="$BUILD/scenario-sky-night.png"
saver_run 0 "$day" flight_shown
[[ " $RENDERER_LINE " != *" /skyclock "* ]] || fail "/skyclock passed with 空= 0"
saver_run 1 "$night" flight_drawn
[[ " $RENDERER_LINE " == *" /skyclock "* ]] || fail "no /skyclock passed with 空= 1"
[ "$RENDERER_TZ" = "TZ=$TZ" ] || fail "the renderer does not run in the night's time zone"

day_sky=$(mean_grey "$day" 1024x100+0+0)
night_sky=$(mean_grey "$night" 1024x100+0+0)
day_all=$(mean_grey "$day" 1024x768+0+0)
night_all=$(mean_grey "$night" 1024x768+0+0)
night_brightest=$(region_brightest "$night" 1024x768+0+0)
echo "mean grey: sky $day_sky by day, $night_sky at night; frame $day_all and $night_all;" \
    "brightest at night $night_brightest"
[ "$night_sky" -lt 80 ] || fail "the night sky is not dark ($night_sky)"
[ "$night_all" -lt $((day_all / 2)) ] || fail "the night frame is not dark ($night_all)"
[ "$night_brightest" -gt 40 ] || fail "the night frame is black"
