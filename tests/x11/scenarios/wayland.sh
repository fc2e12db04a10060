# Natively on Wayland: Debian's sway 1.7, headless, without XWayland (so nothing of X can serve),
# with two outputs of different sizes and scales over known background colours: HEADLESS-1,
# 1024 x 768 at scale 1, purple; HEADLESS-2, 400 x 300 logical at scale 2 (800 x 600 pixels),
# orange, right of the first and lower. One sway start, three flights:
# 1. The flight covers both outputs with one view (sky above, ground below on each), each drawn
#    at its own buffer size (as the program's own protocol messages show: an 800 x 600 buffer at
#    buffer scale 2 on one surface, 1024 x 768 at 1 on the other), over the photographed desktop
#    (the purple shows in the ground, not the program's own fields); an output plugged in during
#    the flight is covered; Escape typed through the compositor (wtype) ends it with exit code
#    0, and every output shows its background colour again.
# 2. With a full-screen window on HEADLESS-2 (Mesa's es2gears), the flight is above it there; a
#    click through the virtual mouse (tests/x11/wayland/click.c) ends it with exit code 0.
# 3. SIGTERM ends a flight within a second, with exit code 0.
# sway runs as a user of its own (x11-lib.sh).
sway_run_folder
printf '%s\n' 'xwayland disable' \
    'output HEADLESS-1 resolution 1024x768 position 0 0 bg #c020c0 solid_color' >"$run/config"
# The launcher, given variables for the program: its output, its errors (with WAYLAND_DEBUG, its
# protocol messages), its PID and, once it ends, its exit code.
cat >"$run/fly.sh" <<FLY
#!/bin/sh
rm -f "$run/code"
env "\$@" "$ALTOSTRAT" >"$run/out" 2>"$run/err" &
echo \$! >"$run/pid"
wait \$!
echo \$? >"$run/code"
FLY
chmod 755 "$run/fly.sh"
start_sway
as_user swaymsg create_output >/dev/null
as_user swaymsg output HEADLESS-2 resolution 800x600 scale 2 position 1024 200 \
    bg '#ff8000' solid_color >/dev/null

# shot OUTPUT: a photograph of one output, in its own pixels, as $run/OUTPUT.ppm: a plain
# header and the pixels, which pixel (below) reads straight from the file, so that the looks
# this scenario takes while the flight starts cost the starting program little. The header's
# length and the width are noted for pixel.
declare -A header_of width_of
shot() {
    local file=$run/$1.ppm
    as_user grim -t ppm -o "$1" "$file" || return 1
    header_of[$file]=$(head -n 3 "$file" | wc -c)
    read -r width_of[$file] _ < <(sed -n 2p "$file")
}
# pixel FILE X Y: "R G B" of one pixel of such a photograph (x11-lib.sh's helpers use it).
pixel() {
    od -An -tu1 -j $((header_of[$1] + ($3 * width_of[$1] + $2) * 3)) -N3 "$1"
}
# keep OUTPUT NAME: the output's latest photograph among the screenshots, as wayland-NAME.png.
keep() {
    convert "$run/$1.ppm" "$SHOTS/wayland-$2.png"
}
# shows OUTPUT R G B: the output's photograph is that colour at its corners and the middles of
# its sides.
shows() {
    local x y r g b width height
    shot "$1" || return 1
    read -r width height < <(sed -n 2p "$run/$1.ppm")
    for x in 2 $((width - 3)); do
        for y in 2 $((height / 2)) $((height - 3)); do
            read -r r g b < <(pixel "$run/$1.ppm" "$x" "$y")
            [ "$r $g $b" = "$2 $3 $4" ] || return 1
        done
    done
}
backgrounds() { shows HEADLESS-1 192 32 192 && shows HEADLESS-2 255 128 0; }
poll 30 backgrounds || fail "the outputs do not show their background colours"

# The mouse, across the whole layout.
start_mouse 1424 768

# flown: the flight on both outputs: sky at the top, something darker on the ground at the
# bottom, on the first as on the second (whose horizon is 184 logical pixels down, 368 of its 600).
flown() {
    shot HEADLESS-1 && flight_shown "$run/HEADLESS-1.ppm" 0 0 1023 767 || return 1
    shot HEADLESS-2 && flight_shown "$run/HEADLESS-2.ppm" 0 0 799 599
}
# fly VARIABLE=VALUE...: starts the program with those variables and waits for its flight.
fly() {
    rm -f "$run/code" "$run/pid"
    start_as_user "$run/fly.sh" "$@"
    poll 120 flown || fail "no flight on both outputs: $(cat "$run/out" "$run/code" 2>/dev/null)"
}
# given_back: every output shows the desktop again, nothing of the flight left.
given_back() {
    poll 10 backgrounds && shows HEADLESS-3 0 255 0 || fail "something of the flight is left"
    echo "every output shows the desktop again"
}

# 1. Both outputs, each at its own size, over the photograph.
fly WAYLAND_DEBUG=1
# Each surface's buffer as the program hands it to the compositor: buffer scale and size of the
# buffers attached to it.
sizes=$(awk '
    /-> wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@/ {
        match($0, /wl_buffer@[0-9]+/); id = substr($0, RSTART, RLENGTH)
        split(substr($0, RSTART + RLENGTH + 2), a, ", "); size[id] = a[2] "x" a[3]
    }
    /-> wl_surface@[0-9]+\.set_buffer_scale\(/ {
        match($0, /wl_surface@[0-9]+/); s = substr($0, RSTART, RLENGTH)
        match($0, /\([0-9]+\)/); scale[s] = substr($0, RSTART + 1, RLENGTH - 2)
    }
    /-> wl_surface@[0-9]+\.attach\(wl_buffer@/ {
        match($0, /wl_surface@[0-9]+/); s = substr($0, RSTART, RLENGTH)
        match($0, /wl_buffer@[0-9]+/); shown[s] = size[substr($0, RSTART, RLENGTH)]
    }
    END { for (s in shown) print "scale " scale[s] " " shown[s] }' "$run/err" | sort -u)
grep -qx 'scale 1 1024x768' <<<"$sizes" && grep -qx 'scale 2 800x600' <<<"$sizes" ||
    fail "the surfaces' buffers are not each output's own: $sizes"
echo "buffers: $(echo $sizes)"
keep HEADLESS-1 first
keep HEADLESS-2 second
read -r purple _ < <(ground_kinds "$run/HEADLESS-1.ppm")
[ "$purple" -ge 8 ] || fail "the ground does not show the photographed desktop ($purple purple samples)"
echo "the flight covers both outputs over the photographed desktop ($purple of 15 ground samples purple)"

as_user swaymsg create_output >/dev/null
as_user swaymsg output HEADLESS-3 resolution 640x480 position 0 768 bg '#00ff00' solid_color \
    >/dev/null
# covered: the new output shows the flight (below the first, so the ground near the camera):
# neither its green nor the black a surface shows before its first picture.
covered() {
    local r g b point
    shot HEADLESS-3 || return 1
    for point in "2 2" "320 240" "637 477"; do
        read -r r g b < <(pixel "$run/HEADLESS-3.ppm" $point)
        [ "$r $g $b" != "0 255 0" ] && [ $((r + g + b)) -gt 30 ] || return 1
    done
}
poll 30 covered || fail "the output plugged in during the flight is not covered"
keep HEADLESS-3 plugged-in
echo "the output plugged in during the flight is covered"
ended "Escape" as_user wtype -s 300 -P Escape -s 200 -p Escape
given_back

# 2. Above a full-screen window.
as_user swaymsg focus output HEADLESS-2 >/dev/null
start_as_user es2gears_wayland >/dev/null
gears=$LAST_PID
fullscreen() { as_user swaymsg '[app_id="es2gears"] fullscreen enable' >/dev/null 2>&1; }
poll 30 fullscreen || fail "no full-screen window"
as_user swaymsg focus output HEADLESS-1 >/dev/null
fly
keep HEADLESS-2 above-full-screen
echo "the flight is above the full-screen window"
ended "a click" click_at 512 384
kill "$gears"
given_back

# 3. SIGTERM. The sanitizers' leak check, which flights 1 and 2 passed (exit code 0), is left
# out here: its look through the whole heap at the end takes longer than the program's own part.
fly ASAN_OPTIONS=detect_leaks=0
started=$(date +%s.%N)
kill -TERM "$(cat "$run/pid")"
poll 10 test -s "$run/code" || fail "SIGTERM did not end the flight"
took=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}')
[ "$(cat "$run/code")" = 0 ] || fail "exit code $(cat "$run/code") after SIGTERM"
at_least 1 "$took" || fail "SIGTERM took $took s"
echo "SIGTERM ended the flight $took s later with exit code 0"
given_back
exec 3>&-
rm -rf "$run"
