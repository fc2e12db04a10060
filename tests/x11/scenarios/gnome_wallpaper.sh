# On GNOME the flight goes over the user's wallpaper, not over the desktop: with GNOME named in
# XDG_CURRENT_DESKTOP and GNOME's settings in a keyfile of the test's own (GSettings' keyfile
# backend), a purple WebP wallpaper, its name percent-encoded as GNOME writes it, gives a purple
# ground over the teal sample desktop. A slideshow wallpaper gives the wallpaper's colour and one
# line on stderr naming it. The settings are only read: the keyfile and its folder stay as they
# were. A machine without GNOME's settings schemas (GSettings would end the program over one it
# does not know) gives the own ground and one line saying so.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
home=$(mktemp -d)
mkdir -p "$home/glib-2.0/settings"
keyfile=$home/glib-2.0/settings/keyfile
convert -size 1600x1200 xc:'#b030c8' -quality 90 "$home/wall purple.webp"
shot="$SHOTS/x11-gnome-wallpaper.png"

# settings URI OPTIONS COLOUR: GNOME's wallpaper settings as GSettings' keyfile keeps them.
settings() {
    printf "[org/gnome/desktop/background]\npicture-uri='%s'\npicture-options='%s'\nprimary-color='%s'\n" \
        "$1" "$2" "$3" >"$keyfile"
}

# fly_and_look [VARIABLE=VALUE...]: starts a flight on "GNOME", waits for it, takes the
# screenshot, ends it.
fly_and_look() {
    local before
    before=$(cd "$home" && find . -type f ! -name log -exec md5sum {} + | sort)
    start_bg env XDG_CURRENT_DESKTOP=ubuntu:GNOME GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$home" \
        "$@" "$ALTOSTRAT" 2>"$home/log"
    local program=$LAST_PID
    poll 180 flight_over_sample_desktop "$shot" || fail "no flight: $(cat "$home/log")"
    press_key Escape
    wait_exit "$program" 60
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
    [ "$(cd "$home" && find . -type f ! -name log -exec md5sum {} + | sort)" = "$before" ] ||
        fail "the flight wrote into the settings' folder: $(ls -la "$home" "$home/glib-2.0/settings")"
}

settings "file://$home/wall%20purple.webp" zoom '#023c88'
fly_and_look
read -r purple bars < <(ground_kinds "$shot")
echo "WebP wallpaper: $purple of 15 ground samples purple"
[ "$purple" -ge 8 ] || fail "the ground does not show the wallpaper's purple: $purple $bars"
[ ! -s "$home/log" ] || fail "words on stderr for a good wallpaper: $(cat "$home/log")"

settings "file:///usr/share/backgrounds/gnome/adwaita-timed.xml" zoom '#b030c8'
fly_and_look
read -r purple bars < <(ground_kinds "$shot")
echo "slideshow: $purple of 15 ground samples purple; $(cat "$home/log")"
[ "$purple" -ge 8 ] || fail "the ground does not show the wallpaper's colour: $purple $bars"
[ "$(wc -l <"$home/log")" -eq 1 ] && grep -q "adwaita-timed.xml: a slideshow" "$home/log" ||
    fail "not one line naming the slideshow: $(cat "$home/log")"

fly_and_look XDG_DATA_DIRS="$home" XDG_DATA_HOME="$home"
own_ground "$shot" || fail "not the own ground without GNOME's schemas: $(ground_kinds "$shot")"
[ "$(wc -l <"$home/log")" -eq 1 ] && grep -q "settings are not installed" "$home/log" ||
    fail "not one line on the missing settings: $(cat "$home/log")"
echo "no schemas: own ground; $(cat "$home/log")"
rm -rf "$home"
