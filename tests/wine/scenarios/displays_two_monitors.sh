# Two monitors side by side, as Wine shows Xephyr's two screens: a 1024 x 768 primary and an
# 800 x 600 monitor to its right. Started without arguments, the renderer flies on the primary
# (sky at its top) while the second monitor shows nothing of the desktop, only black, even after
# a click on it, which leaves the keyboard with the flight: Escape ends the run, and the desktop
# shows on the second monitor again. Started with "/allmonitors", one borderless topmost
# window covers the whole 1824 x 768 virtual screen, the sky is at the top of both monitors, and
# the picture runs on across the join without a step. The host started with /s and "画面= 1" in its
# settings file gives the same window spanning both monitors. The region below the shorter
# monitor lies on no monitor and is never looked at.
start_two_monitors
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
warm_wine
prepare_captures
second=800x600+1024+0
shot="$BUILD/scenario-two-monitors.png"

screenshot "$shot"
[ "$(region_brightest "$shot" "$second")" -gt 100 ] ||
    fail "the second monitor shows no desktop before the run"

start_renderer
renderer=$RENDERER_PID
expect_flight_window 1024x768
flying="$BUILD/scenario-two-monitors-flight.png"
second_black() {
    screenshot "$flying"
    [ "$(region_brightest "$flying" "$second")" -le 8 ]
}
primary_flies() {
    second_black && flight_at "$flying" 512 20
}
poll 60 primary_flies || fail "no flight on the primary beside a black second monitor"
echo "second monitor black while the flight runs on the primary"
window_exists Altostrat_Cover - || fail "no cover window"
xdotool mousemove 1400 300 click 1
second_black || fail "a click on the second monitor showed the desktop"

press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
desktop_back() {
    screenshot "$shot"
    [ "$(region_brightest "$shot" "$second")" -gt 100 ]
}
poll 30 desktop_back || fail "the second monitor stays black after the run"
window_gone Altostrat_Cover - || fail "a cover outlived the run"

across="$BUILD/scenario-across-monitors.png"
start_renderer /allmonitors
renderer=$RENDERER_PID
expect_flight_window 1824x768
[[ $(probe exstyle Altostrat_VC) == topmost=1* ]] || fail "the spanning window is not topmost"
sky_on_both() {
    screenshot "$across"
    flight_at "$across" 512 20 && flight_at "$across" 1424 20
}
poll 60 sky_on_both || fail "no sky at the top of both monitors"
# Beside each other, two columns of one picture differ by little; the primary's flight next
# to a black monitor differs by hundreds.
apart=$(columns_apart "$across" 1021 1026 0 600)
echo "columns either side of the join differ by $apart of 765"
[ "$apart" -lt 30 ] || fail "the picture breaks at the join ($apart)"
press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape across all monitors"

# The same choice made in the settings: the host started with /s and "画面= 1" in its settings
# file passes it on, and the flight spans both monitors.
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"
printf '[Section]\r\n\x89\xe6\x96\xca= 1\r\n' >"$HOST_INI"
start_program "$HOST_COPY" /s
host=$PROGRAM_PID
poll 60 window_shown OpenGL Altostrat_VC || fail "the host's run showed no flight window"
expect_flight_window 1824x768
across="$BUILD/scenario-across-monitors-host.png"
poll 60 sky_on_both || fail "no sky at the top of both monitors in the host's run"
press_key Escape
wait_exit "$host" 30
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"

# Each monitor its own flight: the host started with /s and "画面= 2" photographs both monitors,
# the desktop teal on the primary and magenta on the second; each monitor then shows a flight
# at its own size, sky at its top and its own colour on the ground below, never the other's; one Escape ends both, and both show the desktop
# again, each in its own colour.
convert -size 1024x768 xc:'#008080' \( -size 800x768 xc:'#ff00ff' \) +append "$BUILD/teal-magenta.png"
display -window root "$BUILD/teal-magenta.png" || true
# region_mean FILE GEOMETRY: "R G B", the region's mean colour (0 to 255 each).
region_mean() {
    convert "$1" -crop "$2" +repage -scale 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]\n' info:
}
teal() { local r g b; read -r r g b <<<"$(region_mean "$1" "$2")"; [ "$g" -gt $((r + 40)) ] && [ "$b" -gt $((r + 40)) ]; }
magenta() { local r g b; read -r r g b <<<"$(region_mean "$1" "$2")"; [ "$r" -gt $((g + 40)) ] && [ "$b" -gt $((g + 40)) ]; }
desktop_coloured() {
    screenshot "$1"
    teal "$1" 1024x768+0+0 && magenta "$1" "$second"
}
desktop_coloured "$shot" || fail "the teal and magenta desktop is not shown before the run"
printf '[Section]\r\n\x89\xe6\x96\xca= 2\r\n' >"$HOST_INI"
start_program "$HOST_COPY" /s
host=$PROGRAM_PID
each="$BUILD/scenario-each-monitor.png"
# The second monitor's window may be listed first; both must be there, each its monitor's size.
two_windows() {
    [ "$(xdotool search --name '^Altostrat_VC$' 2>/dev/null | wc -l)" -ge 2 ]
}
poll 120 two_windows || fail "not one flight window per monitor"
# share FILE GEOMETRY EXPRESSION: the share (0 to 100) of the region's pixels where the fx
# EXPRESSION holds.
share() {
    convert "$1" -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:int(100*mean)]\n' info:
}
# Far from the pale blue of the sky near the horizon (green and blue at most 0.18 over red)
# and from the orange of the sun's glow (little blue).
teal_pixel='(g-r>0.25)&&(b-r>0.25)'
magenta_pixel='(r-g>0.25)&&(b-g>0.25)'
# Below each horizon: most of the ground in the monitor's own colour, not one pixel in the
# other's (the fog only pales the colours toward the sky's).
own_ground() {
    [ "$(share "$1" "$2" "$3")" -ge 50 ] && [ "$(share "$1" "$2" "$4")" -eq 0 ]
}
each_flies() {
    screenshot "$each"
    flight_at "$each" 512 20 && flight_at "$each" 1424 20 &&
        own_ground "$each" 1024x268+0+500 "$teal_pixel" "$magenta_pixel" &&
        own_ground "$each" 800x200+1024+400 "$magenta_pixel" "$teal_pixel"
}
poll 120 each_flies || fail "no flight with its own ground on each monitor: $(region_mean "$each" 1024x268+0+500) / $(region_mean "$each" 800x200+1024+400)"
# And so on as the flights move on over the land: a flight over the whole photograph would
# sooner or later show the other monitor's colour.
for _ in 1 2 3 4 5 6; do
    screenshot "$each"
    [ "$(share "$each" 1024x268+0+500 "$magenta_pixel")" -eq 0 ] &&
        [ "$(share "$each" 800x200+1024+400 "$teal_pixel")" -eq 0 ] ||
        fail "a monitor's flight showed the other monitor's part of the desktop"
done
echo "each monitor flies over its own colour"
press_key Escape
wait_exit "$host" 30
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE after one Escape"
window_gone OpenGL Altostrat_VC || fail "a flight window outlived the run"
poll 30 desktop_coloured "$shot" || fail "the desktop did not come back on both monitors"
