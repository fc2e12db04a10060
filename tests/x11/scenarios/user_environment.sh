# The program as a user starts it from a terminal: their own HOME, no runtime folder made for
# the run. It writes nothing at all to disk: traced by strace (Mesa's shader cache off for that
# run), no call creates, renames or removes a file or folder. Ended by Escape it exits with 0,
# its own leak check passing; killed with SIGKILL during its start, it leaves nothing behind.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
user_home=$(getent passwd "$(id -u)" | cut -d: -f6)
shot="$SHOTS/x11-user-environment.png"

# Traced: every call on a path, in every thread. The leak check needs ptrace itself, which
# strace holds, so it is off for this run only.
trace=$(mktemp)
start_bg env HOME="$user_home" MESA_SHADER_CACHE_DISABLE=true ASAN_OPTIONS=detect_leaks=0 \
    strace -f -qq -e trace=%file -e status=successful -o "$trace" "$ALTOSTRAT"
traced=$LAST_PID
poll 180 flight_over_sample_desktop "$shot" || fail "no flight under strace"
press_key Escape
wait_exit "$traced" 60
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE under strace"
created=$(grep -E '(^|[^a-z])(mkdir|mknod|rename|unlink|rmdir|link|symlink|creat|truncate)(at|at2)?\(|O_CREAT|O_TRUNC' \
    "$trace" | grep -vE '"/(dev|proc)/' || true)
[ -z "$created" ] || fail "the run changed files: $created"
echo "traced run: $(wc -l <"$trace") successful calls on paths, none creating or removing"
rm -f "$trace"

# As the user has it, with no runtime folder at all: Escape ends it with exit code 0.
log=$(mktemp)
start_bg env -u XDG_RUNTIME_DIR HOME="$user_home" "$ALTOSTRAT" 2>"$log"
program=$LAST_PID
poll 180 flight_over_sample_desktop "$shot" ||
    fail "no flight in the user's environment: $(cat "$log")"
press_key Escape
wait_exit "$program" 60
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape: $(tail -20 "$log")"
echo "Escape in the user's environment: exit code 0"

# SIGKILL while it sets the scene up: nothing of it stays on disk, nor any window.
before=$(find /tmp "${XDG_RUNTIME_DIR:-/tmp}" -maxdepth 1 -name 'altostrat-*' 2>/dev/null | sort)
start_bg env HOME="$user_home" "$ALTOSTRAT"
program=$LAST_PID
window_shown() { xwininfo -name Altostrat_VC >/dev/null 2>&1; }
poll 120 window_shown || fail "no window to kill"
kill -KILL "$program"
wait_exit "$program" 10
after=$(find /tmp "${XDG_RUNTIME_DIR:-/tmp}" -maxdepth 1 -name 'altostrat-*' 2>/dev/null | sort)
[ "$before" = "$after" ] || fail "left behind after SIGKILL: $after"
rm -f "$log"
