# Helpers for the native X scenarios (sourced by run-scenario.sh after tests/wine/wine-env.sh,
# whose private Xvfb, PID records, poll and key presses they share; no Wine is started here).
ALTOSTRAT=${ALTOSTRAT_PROGRAM:?ALTOSTRAT_PROGRAM names the altostrat program}
SHOTS=${ALTOSTRAT_SHOTS:-$(pwd)}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# running PID: the process exists and has not ended (a zombie counts as ended).
running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# wait_exit PID SECONDS: waits for a child of this shell to end; its exit code goes to EXIT_CODE.
wait_exit() {
    local pid=$1
    poll "$2" eval '! running '"$pid" || fail "program $pid still running after $2 s"
    EXIT_CODE=0
    wait "$pid" || EXIT_CODE=$?
}

screenshot() {
    import -window root "$1"
}

# pixel FILE X Y: "R G B" of one pixel of a picture.
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]\n' info:
}

# flight_shown FILE X0 Y0 X1 Y1: sky (blue the strongest, bright) at the top of the region and
# something darker than the fog on the ground at its bottom, in the screenshot FILE.
flight_shown() {
    local r g b x=$((($2 + $4) / 2))
    read -r r g b < <(pixel "$1" "$x" $(($3 + 10)))
    [ "$b" -ge "$r" ] && [ "$b" -gt 150 ] || return 1
    read -r r g b < <(pixel "$1" "$x" $(($5 - 10)))
    [ $((r + g + b)) -lt 600 ]
}

# flight_over_sample_desktop FILE: takes a screenshot into FILE and finds the flight in it over the
# whole 1024 x 768 screen. The sample desktop has blue above and darker below too: its plain grey
# taskbar tells it apart.
flight_over_sample_desktop() {
    screenshot "$1" && flight_shown "$1" 0 0 1023 767 &&
        [ "$(pixel "$1" 300 755)" != "192 192 192" ]
}

# The ground near the camera, in 15 samples of a full-screen 1024 x 768 screenshot: "purple"
# counts those of a plain purple desktop, "bars" those that look like xscreensaver's colour bars:
# a strong colour (a channel far from another), a grey (white and black under the fog and the
# light), or the bars' black in warm light (very dark, and not green as the darkest woods are).
# The program's own ground (fields, woods, water, each of a clear, muted colour) has neither.
ground_kinds() {
    local x y r g b c high low purple=0 bars=0
    for y in 600 680 760; do
        for x in 96 304 512 720 928; do
            read -r r g b < <(pixel "$1" "$x" "$y")
            high=$r low=$r
            for c in "$g" "$b"; do
                [ "$c" -gt "$high" ] && high=$c
                [ "$c" -lt "$low" ] && low=$c
            done
            if [ "$r" -gt $((g + 40)) ] && [ "$b" -gt $((g + 40)) ]; then
                purple=$((purple + 1))
            elif [ $((high - low)) -gt 120 ] || [ $((high - low)) -lt 16 ] ||
                { [ $((r + g + b)) -lt 110 ] && [ "$r" -ge "$g" ]; }; then
                bars=$((bars + 1))
            fi
        done
    done
    echo "$purple $bars"
}
own_ground() {
    local purple bars
    read -r purple bars < <(ground_kinds "$1")
    [ "$purple" -eq 0 ] && [ "$bars" -eq 0 ]
}

# wait_for_stop_handlers PID: waits, looking every 5 ms so as to keep the short delays short,
# until the process runs the program (not the shell it is started from) and catches SIGHUP,
# SIGINT and SIGTERM (bits 0, 1 and 14 of the caught-signals mask the kernel shows).
wait_for_stop_handlers() {
    local caught tries program_file
    program_file=$(readlink -f "$ALTOSTRAT")
    for tries in $(seq 2000); do
        [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$program_file" ] || {
            sleep 0.005
            continue
        }
        caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || caught=
        [ -n "$caught" ] && [ $((0x$caught & 0x4003)) -eq $((0x4003)) ] && return 0
        sleep 0.005
    done
    return 1
}
# stop_and_time PID SIGNAL: sends the signal and waits for the program to end; its exit code
# goes to EXIT_CODE and the seconds it took to TOOK.
stop_and_time() {
    local started
    started=$(date +%s.%N)
    kill -"$2" "$1"
    wait_exit "$1" 10
    TOOK=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}')
}

# An empty XDG_RUNTIME_DIR of the scenario's own, to see that no picture ever lands there (the
# program once kept its pictures in a folder "altostrat-*" there; it writes none now).
private_runtime() {
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 755 "$XDG_RUNTIME_DIR"
}

capture_folders() {
    find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'altostrat-*' | wc -l
}

# start_xvfb_two_screens SIZE0 SIZE1: a private X server with two screens on a free display, with
# GLX on both; exports DISPLAY naming its first screen.
start_xvfb_two_screens() {
    _start_x_server 90 190 Xvfb -screen 0 "$1x24" -screen 1 "$2x24" +extension GLX \
        -nolisten tcp -noreset || {
        echo "could not start Xvfb" >&2
        return 1
    }
    export DISPLAY="$DISPLAY.0"
}

# Debian's sway, headless, for the Wayland scenarios. sway refuses to run as root: it runs as a
# system user of the scenarios' own (altostrat-wayland, made if missing), with a runtime folder
# of that user's (mode 0700).
# sway_run_folder: makes that user and the folder, in $run ($user names the user).
sway_run_folder() {
    user=altostrat-wayland
    id -u "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    run=$(mktemp -d)
    chmod 700 "$run"
}
# start_sway: gives the user the folder and what the scenario put there, starts sway on
# $run/config and waits for it; SWAYSOCK and WAYLAND name its sockets, SWAY_PID its process.
start_sway() {
    chown -R "$user" "$run"
    start_bg runuser -u "$user" -- env -i HOME="$run" XDG_RUNTIME_DIR="$run" PATH="$PATH" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$run/config" 2>"$run/sway.log"
    poll 30 _sway_ready || fail "sway did not start: $(tail -3 "$run/sway.log")"
    # runuser's child, which env has become.
    SWAY_PID=$(pgrep -P "$LAST_PID")
}
_sway_ready() {
    SWAYSOCK=$(find "$run" -maxdepth 1 -name 'sway-ipc.*.sock' | head -1)
    WAYLAND=$(find "$run" -maxdepth 1 -type s -name 'wayland-[0-9]*' | head -1)
    [ -S "$SWAYSOCK" ] && [ -S "$WAYLAND" ]
}
# as_user COMMAND...: runs COMMAND as the user, on that sway.
as_user() {
    runuser -u "$user" -- env -i HOME="$run" XDG_RUNTIME_DIR="$run" PATH="$PATH" \
        WAYLAND_DISPLAY="$(basename "$WAYLAND")" SWAYSOCK="$SWAYSOCK" "$@"
}
# start_as_user COMMAND...: the same in the background, recorded (LAST_PID) to be stopped with
# the rest.
start_as_user() {
    start_bg runuser -u "$user" -- env -i HOME="$run" XDG_RUNTIME_DIR="$run" PATH="$PATH" \
        WAYLAND_DISPLAY="$(basename "$WAYLAND")" SWAYSOCK="$SWAYSOCK" "$@"
}
# start_mouse WIDTH HEIGHT: a mouse (tests/x11/wayland/click.c, built here) for a layout of that
# size, clicking at each "X Y" that click_at writes to file descriptor 3 (opened for reading too,
# so that neither end waits for the other). Made once, before any flight: a compositor takes up a
# new device in its own time.
start_mouse() {
    cc -o "$run/click" "$ALTOSTRAT_SOURCE_DIR/tests/x11/wayland/click.c" -lwayland-client ||
        fail "cannot build the click helper"
    mkfifo "$run/mouse"
    chown "$user" "$run/click" "$run/mouse"
    exec 3<>"$run/mouse"
    start_as_user "$run/click" "$1" "$2" "$run/mouse" 3<&-
}
click_at() {
    echo "$1 $2" >&3
}
# ended HOW COMMAND...: COMMAND, again every 5 s, until the flight that $run/fly.sh started ends
# (within 30 s) and writes its exit code to $run/code, which must be 0.
ended() {
    local how=$1
    shift
    ends() { "$@" && poll 5 test -s "$run/code"; }
    poll 30 ends "$@" || fail "the flight still runs 30 s after the first $how"
    [ "$(cat "$run/code")" = 0 ] || fail "exit code $(cat "$run/code") after $how"
    echo "$how ended the flight with exit code 0"
}
