# The renderer started alone with "/skyclock" follows Windows' local clock: with the time zone
# set so that it is about one in the morning where the renderer runs, the flight is a night
# flight, a dark sky over a dimmed ground, though not black. Started again without the word at
# the same hour, it is the flight as it always was, under the light blue midday sky.
#
# Wine takes its time zone from the Unix one, which TZ sets: the offset is worked out from the
# hour now in UTC. Both runs are looked at once the loading screens are over: by day the top of
# the screen then wears the sky picture; by night the loading screen's white panel has gone
# and the ground below differs from the sky above.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
prepare_captures

# An offset from UTC, east positive, that makes the local hour 1, within -11 to +12 hours.
utc_hour=$((10#$(date -u +%H)))
east=$(((1 - utc_hour + 24) % 24))
[ "$east" -le 12 ] || east=$((east - 24))
# POSIX counts the other way: "NIGHT-5" is five hours east of UTC.
if [ "$east" -ge 0 ]; then zone="NIGHT-$east"; else zone="NIGHT+$((-east))"; fi
export TZ=$zone
echo "UTC hour $utc_hour, local time zone $TZ, local time $(date +%H:%M)"
warm_wine

# night_flight_shown FILE: a screenshot of the flight past its loading screens, at night: the
# desktop no longer shows at the top (a window just shown may not have drawn yet), the panel's
# white near the bottom is gone, and the ground at the bottom is not the sky's colour.
desktop_top=$(pixel "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 512 20)
night_flight_shown() {
    local r g b r2 g2 b2
    screenshot "$1"
    [ "$(pixel "$1" 512 20)" != "$desktop_top" ] || return 1
    read -r r g b < <(pixel "$1" 512 645)
    [ $((r + g + b)) -lt 450 ] || return 1
    read -r r g b < <(pixel "$1" 512 20)
    read -r r2 g2 b2 < <(pixel "$1" 512 740)
    [ "$r$g$b" != "$r2$g2$b2" ] && [ $((r2 + g2 + b2)) -gt 0 ]
}

night="$BUILD/scenario-daylight-night.png"
start_renderer /skyclock
poll 60 night_flight_shown "$night" || fail "no night flight after a minute"
mean=$(convert "$night" -colorspace gray -format '%[fx:int(255*mean)]\n' info:)
read -r r g b < <(pixel "$night" 512 20)
echo "night: mean grey $mean, sky at the top $r $g $b"
[ "$mean" -lt 60 ] || fail "the flight at night is not dark (mean grey $mean)"
[ "$b" -lt 70 ] && [ "$b" -ge "$r" ] || fail "the sky at night is not a dark blue: $r $g $b"
bottom=$(region_brightest "$night" 1024x100+0+668)
[ "$bottom" -gt 20 ] || fail "the ground at night is black ($bottom)"
press_key Escape
wait_exit "$RENDERER_PID" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape at night"

day="$BUILD/scenario-daylight-fixed.png"
start_renderer
poll 60 flight_shown "$day" || fail "no flight under the fixed sky after a minute"
read -r r g b < <(pixel "$day" 512 20)
mean=$(convert "$day" -colorspace gray -format '%[fx:int(255*mean)]\n' info:)
echo "without the word at the same hour: mean grey $mean, sky at the top $r $g $b"
[ "$mean" -gt 120 ] || fail "the flight without the word is dark (mean grey $mean)"
remove_captures
press_key Escape
wait_exit "$RENDERER_PID" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape by day"
