# "altostrat --add-to-xscreensaver" as a Debian user meets it, checked against Debian's own
# xscreensaver, which runs as the unprivileged user nobody (it starts no hacks as root), finds
# "altostrat" on its PATH and says in its log ("-verbose") which command it forks.
#
# A user with no ~/.xscreensaver: the command writes a list of our entry alone and tells where to
# turn on desktop grabbing; a second call changes nothing. xscreensaver reads that list with the
# system's hacks appended: its third hack ("-select 3") is the system's second. The desktop is
# plain purple, a colour neither the program's ground nor the helper's colour bars have near
# the camera. With Debian's settings untouched ("Grab Desktop Images" off), the image helper
# would draw colour bars: the flight goes over the program's own ground instead (no strong
# colour of a bar, no purple). With grabbing turned on in the file, as the settings' "Advanced"
# tab does, it goes over the desktop xscreensaver saw before blanking (purple). Each
# deactivation ends the hack within a few seconds.
#
# A user in "only one screen saver" mode who chose deco: after adding, and again after removing,
# xscreensaver still runs deco.
start_xvfb 1024x768
xsetroot -solid '#c828c8'
# The entries of a programs resource: its lines that end in the escaped newline.
entries() { awk '/^\*?programs:/ {f = 1; next} f && /\\n\\?$/ {print} f && !/\\$/ {f = 0}' "$1"; }

home=$(mktemp -d)
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver >"$home/said"
grep -q '"Advanced".*"Grab Desktop Images"' "$home/said" || fail "no word on desktop grabbing"
cp "$home/.xscreensaver" "$home/first"
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver >/dev/null
cmp -s "$home/.xscreensaver" "$home/first" || fail "a second call changed the list"
[ "$(entries "$home/.xscreensaver" | tr -s '\t ' ' ')" = ' altostrat --root \n' ] ||
    fail "the new list is not our entry alone: $(entries "$home/.xscreensaver")"
[ "$(grep -v '^#' "$home/.xscreensaver" | grep -c ':')" -eq 1 ] || fail "settings besides the list"

bin=$(mktemp -d)
ln -s "$ALTOSTRAT" "$bin/altostrat"
chmod 755 "$bin"
chown -R nobody "$home"
log=$home/xscreensaver.log
as_nobody() { runuser -u nobody -- env HOME="$home" DISPLAY="$DISPLAY" PATH="$bin:$PATH" "$@"; }
start_bg runuser -u nobody -- env HOME="$home" DISPLAY="$DISPLAY" PATH="$bin:$PATH" \
    xscreensaver -no-splash -verbose 2>"$log"
saver=$LAST_PID
saver_ready() { as_nobody xscreensaver-command -time >/dev/null 2>&1; }
poll 30 saver_ready || fail "xscreensaver did not start"

# Unblanked, and done with it: xscreensaver's graphics process (which fades the screen back in)
# has ended, so that the next command starts a new one. Ours is a grandchild of runuser.
unblanked() {
    local daemon
    as_nobody xscreensaver-command -time 2>/dev/null | grep -q 'non-blanked' || return 1
    for daemon in $(pgrep -P "$saver"); do
        ! pgrep -P "$daemon" -f '^xscreensaver-gfx' >/dev/null || return 1
    done
}
# run_hack ARGS: xscreensaver-command ARGS from an unblanked screen; waits for xscreensaver's log
# to name the first command it forks then, and gives it in FORKED.
run_hack() {
    local before
    poll 30 unblanked || fail "the screen is still blanked"
    before=$(grep -c ': [0-9]*: forked ".* on window ' "$log" || true)
    as_nobody xscreensaver-command "$@" >/dev/null
    forked_more() { [ "$(grep -c ': [0-9]*: forked ".* on window ' "$log" || true)" -gt "$before" ]; }
    poll 30 forked_more || fail "xscreensaver forked nothing for $*"
    FORKED=$(grep -o ': [0-9]*: forked "[^"]*" in pid [0-9]* on window ' "$log" | sed -n "$((before + 1))p" | cut -d'"' -f2)
}
select_hack() { run_hack -select "$1"; }
# This program's hack (others may run theirs as nobody on other displays meanwhile).
hack_running() {
    local pid program
    program=$(readlink -f "$ALTOSTRAT")
    for pid in $(pgrep -u nobody -f -- "^altostrat --root"); do
        [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && running "$pid" && return 0
    done
    return 1
}
hack_gone() { ! hack_running; }
deactivate() {
    local deactivated=$SECONDS
    as_nobody xscreensaver-command -deactivate >/dev/null
    poll 10 hack_gone || fail "the hack still runs 10 s after deactivation"
    echo "the hack ended $((SECONDS - deactivated)) s after deactivation"
}
purple_ground() {
    local purple bars
    read -r purple bars < <(ground_kinds "$1")
    [ "$purple" -ge 10 ]
}

select_hack 3
system_second=$(entries /etc/X11/app-defaults/XScreenSaver | sed -n 2p |
    sed 's/^-\{0,1\}[[:space:]]*\([A-Za-z]*:\)\{0,1\}[[:space:]]*//; s/[[:space:]]*\\n\\\{0,1\}$//')
[ "$FORKED" = "$system_second" ] || fail "hack 3 is \"$FORKED\", not the system's second, \"$system_second\""
echo "hack 3 is the system's second hack: $FORKED"
as_nobody xscreensaver-command -deactivate >/dev/null

select_hack 1
[ "$FORKED" = "altostrat --root" ] || fail "hack 1 is \"$FORKED\""
shot="$SHOTS/x11-xscreensaver-debian.png"
ground_shown() { screenshot "$shot" && flight_shown "$shot" 0 0 1023 767 && own_ground "$shot"; }
poll 120 ground_shown || fail "no flight over the program's own ground (purple, bar-like: $(ground_kinds "$shot"))"
echo "with Debian's settings, the program's own ground: $(pixel "$shot" 304 680), $(pixel "$shot" 720 680)"
deactivate

echo "grabDesktopImages: True" >>"$home/.xscreensaver"
select_hack 1
[ "$FORKED" = "altostrat --root" ] || fail "hack 1 is \"$FORKED\""
shot="$SHOTS/x11-xscreensaver.png"
desktop_shown() { screenshot "$shot" && flight_shown "$shot" 0 0 1023 767 && purple_ground "$shot"; }
poll 120 desktop_shown || fail "no flight over the desktop (purple, bar-like: $(ground_kinds "$shot"))"
echo "with grabbing on, the desktop: ground $(pixel "$shot" 304 680), sky $(pixel "$shot" 512 10)"
deactivate

# Only one screen saver, deco (the second of the user's three): adding and removing keep it.
cat >"$home/.xscreensaver" <<CONFIG
# settings of the user's own
mode:		one
selected:	1
programs:								      \\
				abstractile --root			    \\n\\
				deco --root				    \\n\\
				galaxy --root				    \\n
CONFIG
HOME=$home "$ALTOSTRAT" --add-to-xscreensaver >/dev/null
for edit in added removed; do
    run_hack -activate
    [ "$FORKED" = "deco --root" ] || fail "with altostrat $edit, xscreensaver runs \"$FORKED\""
    echo "with altostrat $edit, the chosen hack runs: $FORKED"
    as_nobody xscreensaver-command -deactivate >/dev/null
    HOME=$home "$ALTOSTRAT" --remove-from-xscreensaver >/dev/null
done
rm -rf "$home" "$bin"
