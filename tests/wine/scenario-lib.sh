# Helpers for scenario scripts (sourced after wine-env.sh).
BUILD=${ALTOSTRAT_BUILD_DIR:?ALTOSTRAT_BUILD_DIR names the windows build folder}
RENDERER_EXE="$BUILD/renderer/アルトストラト.dll"
PROBE_EXE="$BUILD/tests/altostrat-probe.exe"
HOST_EXE="$BUILD/host/アルトストラト.scr"

# shellcheck source=../../scripts/capture-files.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/capture-files.sh"
CAPTURES="$WINEPREFIX/drive_c/t_wisp"

# The renderer needs at least one of its three pictures in C:\t_wisp to show its window for
# long; with none it ends before its first frame.
prepare_captures() {
    rm -rf "$CAPTURES"
    write_capture_files "$CAPTURES"
}

remove_captures() {
    rm -rf "$CAPTURES"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Keeps one Wine server alive for the scenario, so each probe starts in a fraction of a second.
warm_wine() {
    wineserver -p
}

probe() {
    wine "$PROBE_EXE" "$@" 2>/dev/null | tr -d '\r'
}

# window_info CLASS TITLE: the probe's line for that window, or "none".
window_info() {
    probe window "$1" "$2" || true
}

window_exists() {
    [ "$(window_info "$1" "$2")" != "none" ]
}

window_gone() {
    ! window_exists "$1" "$2"
}

# start_program EXE [ARGS...]: starts a Windows program; its PID (of the wine loader, whose
# exit code is the program's) goes to PROGRAM_PID.
start_program() {
    start_bg wine "$@"
    PROGRAM_PID=$LAST_PID
}

# running PID: the process exists and has not ended (an ended child not yet waited for is a
# zombie, which kill -0 would still report).
running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# start_renderer [ARGS...]: starts the renderer with those arguments and waits until its
# window is shown; its PID goes to RENDERER_PID.
start_renderer() {
    start_program "$RENDERER_EXE" "$@"
    RENDERER_PID=$PROGRAM_PID
    poll 60 window_shown OpenGL Altostrat_VC ||
        fail "no visible window Altostrat_VC of class OpenGL"
}

# expect_flight_window WxH: the renderer's window is borderless, shown, of that size and starts
# at the origin of the screen.
expect_flight_window() {
    local info
    info=$(window_info OpenGL Altostrat_VC)
    echo "renderer window: $info"
    [[ $info == "client=$1 style=popup visible=1" ]] || fail "unexpected window: $info"
    [ "$(probe origin Altostrat_VC)" = "0 0" ] || fail "the window does not start at the origin"
}

# wait_exit PID SECONDS: waits for the program to end; its exit code goes to EXIT_CODE.
wait_exit() {
    local pid=$1 watchdog
    (
        trap 'kill $nap 2>/dev/null; exit 0' TERM
        sleep "$2" &
        nap=$!
        wait $nap
        kill "$pid" 2>/dev/null
    ) &
    watchdog=$!
    EXIT_CODE=0
    wait "$pid" || EXIT_CODE=$?
    if ! kill "$watchdog" 2>/dev/null; then
        fail "program $pid still running after $2 s"
    fi
    wait "$watchdog" 2>/dev/null || true
}

# still_running_after PID SECONDS: true when the program is still there after that long.
still_running_after() {
    local deadline=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$deadline" ]; do
        running "$1" || return 1
        sleep 0.2
    done
    running "$1"
}

# screenshot FILE: the whole X screen as a PNG.
screenshot() {
    import -window root "$1"
}

# overlapping_places W H: of the probe's places ("LEFT TOP RIGHT BOTTOM TEXT" lines), the first
# one outside W x H, or else the first two that overlap; nothing when none.
overlapping_places() {
    awk -v W="$1" -v H="$2" '
        { l[NR] = $1; t[NR] = $2; r[NR] = $3; b[NR] = $4; $1 = $2 = $3 = $4 = ""; s[NR] = $0
          if (l[NR] < 0 || t[NR] < 0 || r[NR] > W || b[NR] > H) { print "outside:" s[NR]; out = 1; exit } }
        END { if (out) exit
              for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++)
                if (l[i] < r[j] && l[j] < r[i] && t[i] < b[j] && t[j] < b[i]) {
                    print s[i] " /" s[j]; exit } }'
}

# client_size INFO: "W H", the client area's size in window_info's line INFO.
client_size() {
    sed -E 's/client=([0-9]+)x([0-9]+).*/\1 \2/' <<<"$1"
}

# window_shown CLASS TITLE: the window exists and is visible.
window_shown() {
    [[ $(window_info "$1" "$2") == *visible=1 ]]
}

# capture_folder: where C:\t_wisp lies on the Unix side.
capture_folder() {
    echo "$WINEPREFIX/drive_c/t_wisp"
}

# host_in_folder: copies the host into a folder of the scenario's own, so that the settings file
# beside it (HOST_INI) is the scenario's. The copy is HOST_COPY.
host_in_folder() {
    HOST_DIR=$ALTOSTRAT_WINE_HOME/scenario-host
    rm -rf "$HOST_DIR"
    mkdir -p "$HOST_DIR"
    cp "$HOST_EXE" "$HOST_DIR/"
    HOST_COPY="$HOST_DIR/アルトストラト.scr"
    HOST_INI="$HOST_DIR/アルトストラト.ini"
}

# saver_in_folder: the host and the renderer in a folder of the scenario's own (host_in_folder),
# with an empty settings file, and no run folder of an earlier scenario in the temporary folder
# (TEMP_DIR).
saver_in_folder() {
    host_in_folder
    cp "$RENDERER_EXE" "$HOST_DIR/"
    printf '[Section]\r\n' >"$HOST_INI"
    find_temp_folder
    rm -rf "$TEMP_DIR"/Altostrat-*
}

# run_host SECONDS [ARGS...]: runs the host copy with Wine's file trace on and waits up to SECONDS
# for it to end; the exit code goes to EXIT_CODE, the trace to HOST_TRACE.
run_host() {
    local seconds=$1
    shift
    HOST_TRACE=$HOST_DIR/trace.txt
    start_bg env WINEDEBUG=+file wine "$HOST_COPY" "$@" 2>"$HOST_TRACE"
    wait_exit "$LAST_PID" "$seconds"
}

# host_read_settings: the last run_host looked at its settings file (the trace shows Japanese
# names as \xxxx escapes: アルトストラト.ini ends in \30c8\30e9\30c8.ini).
host_read_settings() {
    grep -qF '\30c8\30e9\30c8.ini' "$HOST_TRACE"
}

# flight_shown FILE: takes a screenshot into FILE and tells whether it shows the flight. The top
# of the screen then wears the sky picture, light and blue; the set-up's screens show the plain
# sky colour there, and the desktop behind a window not yet drawn is darker. What lies on the
# ground says nothing: under the aircraft at the start may be a white window of the desktop.
flight_shown() {
    local r g b
    screenshot "$1"
    read -r r g b < <(pixel "$1" 512 20)
    [ "$r" -gt 150 ] && [ "$b" -gt 200 ] && [ "$r$g$b" != "211237254" ]
}

# flight_at FILE X Y: the pixel at X, Y of a screenshot wears the sky picture, as flight_shown
# reads it at the top of the screen.
flight_at() {
    local r g b
    read -r r g b < <(pixel "$1" "$2" "$3")
    [ "$r" -gt 150 ] && [ "$b" -gt 200 ] && [ "$r$g$b" != "211237254" ]
}

# region_brightest FILE GEOMETRY: the brightest channel value (0 to 255) anywhere in the region
# (WxH+X+Y) of a picture; 0 when the region is black throughout.
region_brightest() {
    convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]\n' info:
}

# columns_apart FILE X1 X2 Y0 Y1: how far apart two columns of a picture are between rows Y0 and
# Y1, as the mean over the rows of the summed red, green and blue differences (0 to 765).
columns_apart() {
    local h=$(($5 - $4))
    convert "$1" \( -clone 0 -crop "1x$h+$2+$4" +repage \) \( -clone 0 -crop "1x$h+$3+$4" +repage \) \
        -delete 0 -compose difference -composite -format '%[fx:int(3*255*mean)]\n' info:
}

# program_pid NAME: the PID of the Wine process of this scenario's prefix whose command line
# holds NAME, or nothing (scenarios beside this one run the same programs in prefixes of their
# own).
program_pid() {
    local dir command
    for dir in /proc/[0-9]*; do
        [ "${dir#/proc/}" = "$BASHPID" ] && continue
        command=$(tr '\0' ' ' <"$dir/cmdline" 2>/dev/null) || continue
        if [[ $command == *"$1"* && $command != *bash* ]] &&
            grep -qxF "WINEPREFIX=$WINEPREFIX" < <(tr '\0' '\n' 2>/dev/null <"$dir/environ"); then
            echo "${dir#/proc/}"
            return 0
        fi
    done
    return 1
}

# cpu_ticks PID: the processor time the process has used so far, user and system together, in
# clock ticks (fields 14 and 15 of its stat; the command name before them has no blanks here).
cpu_ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# pixel FILE X Y: "R G B" of one pixel of a picture.
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]\n' info:
}

# find_temp_folder: TEMP_DIR becomes where the user's temporary folder of the prefix (what
# GetTempPathW gives the programs) lies on the Unix side, as Wine itself tells.
find_temp_folder() {
    local windows
    windows=$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')
    TEMP_DIR=$(winepath -u "$windows" 2>/dev/null | tr -d '\r')
    TEMP_DIR=$(realpath -e "$TEMP_DIR" 2>/dev/null) || fail "no temporary folder: '$windows'"
}

# find_report_file: REPORT_FILE becomes where the host writes its account of the ground, in the
# program's folder of the user's local application data (%LOCALAPPDATA%\Altostrat), as Wine
# itself tells where that lies on the Unix side.
find_report_file() {
    local windows folder
    windows=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
    folder=$(winepath -u "$windows" 2>/dev/null | tr -d '\r')
    folder=$(realpath -e "$folder" 2>/dev/null) || fail "no local application data: '$windows'"
    REPORT_FILE=$folder/Altostrat/AltostratGround.txt
}

# run_folders: the names of the saver runs' picture folders in TEMP_DIR, one a line, sorted.
run_folders() {
    find "$TEMP_DIR" -mindepth 1 -maxdepth 1 -name 'Altostrat-*' -printf '%f\n' | LC_ALL=C sort
}

# run_pictures: every picture left in a run folder, one path a line.
run_pictures() {
    find "$TEMP_DIR" -mindepth 2 -maxdepth 2 -path "$TEMP_DIR/Altostrat-*" -name '*.bmp'
}

# plant_leftover NAME: a run folder in TEMP_DIR as a run that crashed leaves it behind: its lock
# and its three pictures (stand-ins: only the names matter to the sweep).
plant_leftover() {
    local folder=$TEMP_DIR/$1 n
    mkdir -p "$folder"
    : >"$folder/Altostrat.lock"
    for n in 1 2 3; do
        echo "picture $n" >"$folder/Altostrat$n.bmp"
    done
}

# drive_c_changes MARKER: what under drive_c changed since MARKER was touched, one path a line,
# leaving out the user's temporary folder and the ground's account in the user's own application
# data (find_report_file), with the folder that holds it, whose time changes as it is first made.
drive_c_changes() {
    local local_data="$WINEPREFIX/drive_c/users/*/AppData/Local"
    find "$WINEPREFIX/drive_c" -newer "$1" -not -path "$TEMP_DIR" -not -path "$TEMP_DIR/*" \
        -not -path "$local_data" -not -path "$local_data/Altostrat" \
        -not -path "$local_data/Altostrat/*" -printf '%y %P\n' | LC_ALL=C sort
}

# keeper_in_folder: the keeper beside a copy of the host and the renderer in a folder of the
# scenario's own: KEEPER_DIR (and KEEPER_DIR_WIN, as Windows names it), KEEPER_COPY, KEEPER_HOST.
KEEPER_EXE="$BUILD/keeper/アルトストラト常駐.exe"
KEEPER_READ_EXE="$BUILD/host/tests/altostrat-keeper-read.exe"
keeper_in_folder() {
    KEEPER_DIR=$ALTOSTRAT_WINE_HOME/scenario-keeper
    rm -rf "$KEEPER_DIR"
    mkdir -p "$KEEPER_DIR"
    cp "$KEEPER_EXE" "$HOST_EXE" "$RENDERER_EXE" "$KEEPER_DIR/"
    KEEPER_COPY="$KEEPER_DIR/アルトストラト常駐.exe"
    KEEPER_HOST="$KEEPER_DIR/アルトストラト.scr"
    KEEPER_DIR_WIN=$(winepath -w "$KEEPER_DIR")
}

# choose_saver PATH SECONDS: the user's screensaver is PATH, switched on, with that timeout.
choose_saver() {
    local key='HKCU\Control Panel\Desktop'
    wine reg add "$key" /v SCRNSAVE.EXE /t REG_SZ /d "$1" /f >/dev/null 2>&1
    wine reg add "$key" /v ScreenSaveActive /t REG_SZ /d 1 /f >/dev/null 2>&1
    wine reg add "$key" /v ScreenSaveTimeOut /t REG_SZ /d "$2" /f >/dev/null 2>&1
}

# keeper_saver_desktop_setup: the sample desktop on a server whose second X screen holds the
# pointer, so that the saver's desktop (where no window of Wine's appears on that screen) brings
# no input; the keeper in a folder of its own, chosen as the user's saver with an 8-second
# timeout, and the run folders of earlier runs gone (TEMP_DIR names the temporary folder).
keeper_saver_desktop_setup() {
    _start_x_server 90 190 Xvfb -screen 0 1024x768x24 -screen 1 640x480x24 +extension GLX \
        +extension RANDR -nolisten tcp -noreset || fail "could not start Xvfb"
    warm_wine
    display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
    xdotool mousemove --screen 1 100 100
    keeper_in_folder
    printf '[Section]\r\n' >"$KEEPER_DIR/アルトストラト.ini"
    choose_saver "$KEEPER_DIR_WIN\\アルトストラト.scr" 8
}

# end_desktop_run: ends a saver run on a desktop of its own. Its flight's window lies out of
# reach of programs on the user's desktop: the renderer's process is ended instead of pressing
# Escape, the host's watch ends the run, and the desktop's explorer ($explorer) is stopped.
end_desktop_run() {
    local renderer="" host=""
    poll 60 eval 'renderer=$(program_pid "アルトストラト.dll")' || fail "no flight"
    host=$(host_process) || fail "no host process"
    kill "$renderer"
    poll 30 eval '! running '"$host" || fail "the host did not end after the renderer"
    kill "$explorer" 2>/dev/null || true
    wait "$explorer" 2>/dev/null || true
}

# keeper_read ARGS...: the host's view of the keeper's photograph (see keeper_read.cpp).
keeper_read() {
    wine "$KEEPER_READ_EXE" "$@" 2>/dev/null | tr -d '\r'
}
keeper_holds() {
    [[ $(keeper_read held) == held* ]]
}
keeper_dropped() {
    [ "$(keeper_read held)" = none ]
}

# host_process: the PID of the host's own Wine process (not the explorer that started it on its
# desktop, whose command line names the host too), in this scenario's prefix (scenarios beside
# this one run hosts of their own).
host_process() {
    local dir command
    for dir in /proc/[0-9]*; do
        command=$(tr '\0' ' ' <"$dir/cmdline" 2>/dev/null) || continue
        if [[ $command == *'アルトストラト.scr /s'* && $command != *explorer* && $command != *bash* ]] &&
            grep -qxF "WINEPREFIX=$WINEPREFIX" < <(tr '\0' '\n' 2>/dev/null <"$dir/environ"); then
            echo "${dir#/proc/}"
            return 0
        fi
    done
    return 1
}

# open_run_desktop SECONDS: opens the desktop picture of a saver run (a run folder's
# Altostrat2.bmp in TEMP_DIR) the moment it appears, looking more often than poll does, since
# the renderer deletes it as soon as it has read it (its start takes a few tenths of a second);
# the descriptor goes to DESKTOP_FD, the path to DESKTOP_FILE, and the picture is read through
# /proc/$$/fd/$DESKTOP_FD afterwards. False when none appeared in time.
open_run_desktop() {
    local deadline=$((SECONDS + $1)) file
    DESKTOP_FD="" DESKTOP_FILE=""
    while :; do
        for file in "$TEMP_DIR"/Altostrat-*/Altostrat2.bmp; do
            if [ -e "$file" ] && exec {DESKTOP_FD}<"$file"; then
                DESKTOP_FILE=$file
                return 0
            fi
        done
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.02
    done
}
