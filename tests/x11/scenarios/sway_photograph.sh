# The desktop's photograph on Debian's sway (wlroots' screen copy), headless with two outputs,
# against grim's photograph of the same desktop (grim turns each output upright and lays them out
# as sway does): the first output shows a picture whose every turn and mirror differs, and turned
# a quarter either way, mirrored, and mirrored and turned (which tells whether the mirror comes
# first), the two photographs agree pixel for pixel (what neither output covers is black in
# ours, clear in grim's; the unit tests take all eight transforms). Then, with the second
# output at scale 2, the picture is the layout at scale 2, as grim's: the first output doubled,
# the second as it is.
photograph=${ALTOSTRAT_PHOTOGRAPH:?ALTOSTRAT_PHOTOGRAPH names the wayland_photograph tool}
sway_run_folder
cp "$photograph" "$run/photo"
# Blue top left, green bottom right, yellow at the top right corner, on red.
convert -size 64x48 xc:red -fill blue -draw "rectangle 0,0 31,23" -fill lime \
    -draw "rectangle 32,24 63,47" -fill yellow -draw "rectangle 48,0 63,11" "$run/corners.png"
printf 'output HEADLESS-1 resolution 640x480 bg %s stretch\n' "$run/corners.png" >"$run/config"
start_sway
as_user swaymsg create_output >/dev/null
as_user swaymsg output HEADLESS-2 resolution 400x300 position 640 0 bg '#ff8000' solid_color \
    >/dev/null

# shots: both photographs, ours in ours.ppm (its line in ours.txt) and grim's on black.
shots() {
    as_user "$run/photo" "$run/ours.ppm" >"$run/ours.txt" && as_user grim "$run/grim.png" &&
        convert "$run/grim.png" -background black -flatten "$run/grim-black.png"
}
same() { shots && compare -metric AE "$run/ours.ppm" "$run/grim-black.png" null: 2>/dev/null; }
for transform in 90 270 flipped flipped-90; do
    as_user swaymsg output HEADLESS-1 transform "$transform" >/dev/null
    poll 20 same || fail "transform $transform: ours ($(cat "$run/ours.txt")) differs from grim's"
done
grep -q '^wlr-screencopy ' "$run/ours.txt" || fail "not through the screen copy: $(cat "$run/ours.txt")"
echo "turned both ways, mirrored, and both: the photograph is grim's, pixel for pixel"

as_user swaymsg output HEADLESS-1 transform normal >/dev/null
as_user swaymsg output HEADLESS-2 scale 2 position 640 0 >/dev/null
# grim enlarges the first output smoothly, ours by repeating pixels: the two differ only along
# the edges of its colours, fewer than one pixel in a thousand.
at_scale_2() {
    local differing
    shots && [[ "$(cat "$run/ours.txt")" == "wlr-screencopy 1680x960 "* ]] || return 1
    differing=$(compare -metric AE -fuzz 20% "$run/ours.ppm" "$run/grim-black.png" null: 2>&1) ||
        true
    [ "${differing%% *}" -lt $((1680 * 960 / 1000)) ]
}
poll 20 at_scale_2 || fail "at scale 2: $(cat "$run/ours.txt"), $(compare -metric AE -fuzz 20% \
    "$run/ours.ppm" "$run/grim-black.png" null: 2>&1) pixels differ from grim's"
echo "a second output at scale 2: the picture at scale 2, that output as grim has it"
rm -rf "$run"
