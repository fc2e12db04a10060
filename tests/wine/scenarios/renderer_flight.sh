# With the three capture files in C:\t_wisp the renderer flies: sky above, the desktop picture
# on the ground below, and the orange glow ahead; started alone, it leaves the files where they
# are. Escape ends it with exit code 0.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
prepare_captures
warm_wine
start_renderer
renderer=$RENDERER_PID

shot="$BUILD/scenario-flight.png"
# The terrain is built behind a loading screen; the flight shows once the sky picture is there.
poll 60 flight_shown "$shot" || fail "no flight after a minute"

read -r r g b < <(pixel "$shot" 512 20)
echo "sky at the top: $r $g $b"
[ "$b" -ge "$r" ] && [ "$b" -gt 150 ] || fail "the top of the screen is not sky: $r $g $b"
read -r r g b < <(pixel "$shot" 512 740)
echo "ground below: $r $g $b"
[ "$r$g$b" != "211237254" ] || fail "no ground below the horizon"
# The glow is where the sky turns most orange; the aircraft may already be turning, so it is
# looked for anywhere on the screen. Against the palest part of the sky the added orange is
# clipped at full red and hardly shows, so the flight is watched until the glow stands out.
glow_seen() {
    screenshot "$shot"
    glow=$(convert "$shot" -resize 256x192 -fx 'r-b' -format '%[fx:int(255*maxima)]\n' info:)
    read -r r g b < <(pixel "$shot" 20 20)
    echo "most orange: red - blue = $glow; at the corner $((r - b))"
    [ "$glow" -gt $((r - b + 30)) ]
}
poll 60 glow_seen || fail "no orange glow in the sky"
for n in 1 2 3; do
    [ -e "$CAPTURES/Altostrat$n.bmp" ] || fail "Altostrat$n.bmp went from C:\t_wisp"
done
remove_captures

press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
window_gone OpenGL Altostrat_VC || fail "window still there after Escape"
