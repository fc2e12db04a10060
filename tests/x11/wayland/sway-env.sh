# Debian's sway, headless, for the Linux program's Wayland scenarios and benchmark (sourced after
# tests/wine/wine-env.sh, whose start_bg and poll it uses). sway refuses to run as root: it runs
# as a system user of its own (altostrat-wayland, made if missing), with a runtime folder of that
# user's (mode 0700), which also holds what the scenario hands that user's programs.
sway_user=altostrat-wayland

# start_sway CONFIG_LINE...: sway in a fresh runtime folder, $SWAY_RUN, with that configuration;
# waits until it answers. Its PID goes to SWAY_PID. Files the caller puts into $SWAY_RUN afterwards are to be handed over
# with give_to_sway_user.
start_sway() {
    id -u "$sway_user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
            "$sway_user"
    SWAY_RUN=$(mktemp -d)
    chmod 700 "$SWAY_RUN"
    printf '%s\n' "$@" >"$SWAY_RUN/config"
    give_to_sway_user
    start_bg runuser -u "$sway_user" -- env -i HOME="$SWAY_RUN" XDG_RUNTIME_DIR="$SWAY_RUN" \
        PATH="$PATH" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$SWAY_RUN/config" 2>"$SWAY_RUN/sway.log"
    poll 30 _sway_ready || {
        echo "sway did not start: $(tail -3 "$SWAY_RUN/sway.log")" >&2
        return 1
    }
    # runuser's child, which env has become.
    SWAY_PID=$(pgrep -P "$LAST_PID")
}

_sway_ready() {
    SWAYSOCK=$(find "$SWAY_RUN" -maxdepth 1 -name 'sway-ipc.*.sock' | head -1)
    WAYLAND=$(find "$SWAY_RUN" -maxdepth 1 -type s -name 'wayland-[0-9]*' | head -1)
    [ -S "$SWAYSOCK" ] && [ -S "$WAYLAND" ]
}

give_to_sway_user() {
    chown -R "$sway_user" "$SWAY_RUN"
}

# as_user COMMAND...: runs COMMAND as sway's user, on sway, and waits for it.
as_user() {
    runuser -u "$sway_user" -- env -i HOME="$SWAY_RUN" XDG_RUNTIME_DIR="$SWAY_RUN" PATH="$PATH" \
        WAYLAND_DISPLAY="$(basename "$WAYLAND")" SWAYSOCK="$SWAYSOCK" "$@"
}

# start_as_user COMMAND...: the same in the background, recorded (LAST_PID) to be stopped with
# the rest.
start_as_user() {
    start_bg runuser -u "$sway_user" -- env -i HOME="$SWAY_RUN" XDG_RUNTIME_DIR="$SWAY_RUN" \
        PATH="$PATH" WAYLAND_DISPLAY="$(basename "$WAYLAND")" SWAYSOCK="$SWAYSOCK" "$@"
}

# start_mouse WIDTH HEIGHT: a mouse (click.c, built here) for a layout of that size, clicking at
# each "X Y" that click_at writes to file descriptor 3 (opened for reading too, so that neither
# end waits for the other). Made once, before any flight: a compositor takes up a new device in
# its own time.
start_mouse() {
    cc -o "$SWAY_RUN/click" "$ALTOSTRAT_SOURCE_DIR/tests/x11/wayland/click.c" -lwayland-client ||
        return 1
    mkfifo "$SWAY_RUN/mouse"
    give_to_sway_user
    exec 3<>"$SWAY_RUN/mouse"
    start_as_user "$SWAY_RUN/click" "$1" "$2" "$SWAY_RUN/mouse" 3<&-
}

click_at() {
    echo "$1 $2" >&3
}
