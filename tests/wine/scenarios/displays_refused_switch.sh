# A 1280 x 800 screen refuses the switch to 1024 x 768. The flight then fills the whole screen
# at its own resolution in a borderless window: nothing of the desktop shows around it. The
# strips right of and below where a 1024 x 768 window would end are compared with the desktop
# as it was before the run: almost every pixel there must have changed, and the sky is at the
# top right. Escape ends the run as before.
start_xvfb 1280x800
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
warm_wine
prepare_captures
before="$BUILD/scenario-refused-before.png"
shot="$BUILD/scenario-refused-switch.png"
screenshot "$before"

start_renderer
renderer=$RENDERER_PID
expect_flight_window 1280x800
corner_flies() {
    screenshot "$shot"
    flight_at "$shot" 1200 20 && flight_at "$shot" 512 20
}
poll 60 corner_flies || fail "no flight at the top right of the screen"

# unchanged_share GEOMETRY: the share (in per cent) of that region's pixels that look as on the
# desktop before the run.
unchanged_share() {
    local changed total
    convert "$before" -crop "$1" +repage "$BUILD/scenario-refused-a.png"
    convert "$shot" -crop "$1" +repage "$BUILD/scenario-refused-b.png"
    total=$(convert "$BUILD/scenario-refused-a.png" -format '%[fx:w*h]' info:)
    changed=$(compare -metric AE -fuzz 4% "$BUILD/scenario-refused-a.png" \
        "$BUILD/scenario-refused-b.png" null: 2>&1) || true
    awk -v c="$changed" -v t="$total" 'BEGIN {printf "%d\n", 100 - 100 * c / t}'
}
right=$(unchanged_share 256x800+1024+0)
below=$(unchanged_share 1024x32+0+768)
echo "desktop left showing: $right% right of 1024, $below% below 768"
[ "$right" -le 3 ] || fail "the desktop shows right of the flight"
[ "$below" -le 3 ] || fail "the desktop shows below the flight"

press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
