# The keeper over a known desktop: this saver chosen (SCRNSAVE.EXE names the host beside the
# keeper in another spelling of the same file), switched on, with an 8-second timeout. Wine
# reports the user idle since the prefix started, so the keeper photographs the screen at its
# first look. The section it holds is owned by the user and lets the user alone in; the host's
# reading of it (TakeKeeperPhotograph, through a small helper) is the X screen 1:1; once taken,
# the keeper drops it, and a second reading finds nothing. "/stop" ends the keeper.
start_xvfb 1024x768
warm_wine
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
keeper_in_folder
choose_saver "$KEEPER_DIR_WIN\\.\\アルトストラト.SCR" 8

start_program "$KEEPER_COPY"
keeper=$PROGRAM_PID
poll 30 keeper_holds || fail "the keeper holds no photograph: $(keeper_read held)"
held=$(keeper_read held)
echo "keeper: $held"
[ "$held" = "held owner=user aces=1 user-only=1" ] || fail "not the user's alone: $held"

screen=$ALTOSTRAT_WINE_HOME/keeper-screen.png
screenshot "$screen"
taken=$(keeper_read take "$(winepath -w "$ALTOSTRAT_WINE_HOME/keeper-taken.ppm")")
echo "host: $taken"
[ "$taken" = "taken 1024x768" ] || fail "the host did not take the photograph: $taken"
differing=$(compare -metric AE "$ALTOSTRAT_WINE_HOME/keeper-taken.ppm" "$screen" null: 2>&1) || true
[ "$differing" = 0 ] || fail "the keeper's photograph differs from the screen in $differing pixels"

poll 10 keeper_dropped || fail "the keeper still holds the taken photograph"
[ "$(keeper_read take "$(winepath -w "$ALTOSTRAT_WINE_HOME/keeper-again.ppm")")" = none ] ||
    fail "the photograph was handed out twice"

wine "$KEEPER_COPY" /stop
wait_exit "$keeper" 10
[ "$EXIT_CODE" = 0 ] || fail "the keeper ended with $EXIT_CODE"
