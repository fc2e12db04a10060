# "altostrat --add-to-xscreensaver" in a private HOME, then Debian's own xscreensaver runs the
# hack from the list the command wrote.
#
# Without a ~/.xscreensaver the command makes one from the system's list: every hack of
# /etc/X11/app-defaults/XScreenSaver kept as it was, and the enabled entry "altostrat --root"
# once; a second call changes nothing; "--remove-from-xscreensaver" takes out only that entry.
# With a file of the user's own, every line of it stays as it was, one line is added.
#
# xscreensaver, set to run only the first hack of that list, shows the flight over the desktop
# it grabbed, and ends the hack within a few seconds of one deactivation. It starts no hacks as
# root, so it runs as the unprivileged user nobody; it finds "altostrat" on its PATH.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
system=/etc/X11/app-defaults/XScreenSaver
# The entries of a programs resource: its lines that end in the escaped newline.
entries() { awk '/^\*?programs:/ {f = 1; next} f && /\\n\\?$/ {print} f && !/\\$/ {f = 0}' "$1"; }

home=$(mktemp -d)
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver
cp "$home/.xscreensaver" "$home/first"
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver
cmp -s "$home/.xscreensaver" "$home/first" || fail "a second call changed the list"
[ "$(entries "$home/.xscreensaver" | grep -c 'altostrat --root')" -eq 1 ] || fail "not listed once"
[ "$(entries "$home/.xscreensaver" | grep -c '^[[:space:]]*altostrat --root')" -eq 1 ] ||
    fail "the entry is off"
diff <(entries "$system") <(entries "$home/.xscreensaver" | grep -v altostrat) >/dev/null ||
    fail "the system's hacks are not all kept as they were"
echo "made from the system's list: $(entries "$home/.xscreensaver" | wc -l) entries," \
    "$(entries "$system" | wc -l) of them the system's"
HOME=$home "$ALTOSTRAT" --remove-from-xscreensaver
[ "$(entries "$home/.xscreensaver" | grep -c altostrat)" -eq 0 ] || fail "the entry is still there"
diff <(entries "$system") <(entries "$home/.xscreensaver") >/dev/null ||
    fail "removal took more than the entry"
rm -rf "$home"

home=$(mktemp -d)
cat >"$home/.xscreensaver" <<CONFIG
# settings of the user's own
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
grabDesktopImages: True
chooseRandomImages: False
grabVideoFrames: False
CONFIG
cp "$home/.xscreensaver" "$home/before"
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver
[ "$(diff "$home/before" "$home/.xscreensaver" | grep -c '^<')" -eq 0 ] ||
    fail "a line of the user's file changed"
[ "$(entries "$home/.xscreensaver" | head -1 | tr -s '\t ' ' ')" = ' altostrat --root \n\' ] ||
    fail "the hack is not the first of the list"

bin=$(mktemp -d)
ln -s "$ALTOSTRAT" "$bin/altostrat"
chmod 755 "$bin"
chown -R nobody "$home"
as_nobody() { runuser -u nobody -- env HOME="$home" DISPLAY="$DISPLAY" PATH="$bin:$PATH" "$@"; }
start_bg runuser -u nobody -- env HOME="$home" DISPLAY="$DISPLAY" PATH="$bin:$PATH" \
    xscreensaver -no-splash
saver_ready() { as_nobody xscreensaver-command -time >/dev/null 2>&1; }
poll 30 saver_ready || fail "xscreensaver did not start"

as_nobody xscreensaver-command -activate
hack_running() { pgrep -u nobody -f -- "^altostrat --root" >/dev/null; }
poll 30 hack_running || fail "xscreensaver did not start the hack"
shot="$SHOTS/x11-xscreensaver.png"
# The hack's ground is the desktop xscreensaver saw before blanking, handed over by its image
# helper: the sample desktop's teal, as in the standalone scenario.
shown() {
    screenshot "$shot" && flight_shown "$shot" 0 0 1023 767 || return 1
    read -r r g b < <(pixel "$shot" 200 700)
    [ "$g" -gt $((r + 20)) ] && [ "$b" -gt $((r + 20)) ]
}
poll 120 shown || fail "no flight over the desktop: sky $(pixel "$shot" 512 10), ground $(pixel "$shot" 200 700)"
echo "flight under xscreensaver: sky $(pixel "$shot" 512 10), ground $(pixel "$shot" 200 700)"

# One deactivation: xscreensaver sends the hack SIGTERM, and the hack is gone within a few
# seconds (the sanitizer build's leak scan at the end included).
deactivated=$SECONDS
as_nobody xscreensaver-command -deactivate >/dev/null
hack_gone() { ! hack_running; }
poll 10 hack_gone || fail "the hack still runs 10 s after deactivation"
echo "the hack ended $((SECONDS - deactivated)) s after deactivation"
rm -rf "$home" "$bin"
