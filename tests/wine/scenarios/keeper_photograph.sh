# The keeper over a known desktop scaled to 150 % (144 logical pixels per inch): this saver
# chosen (SCRNSAVE.EXE names the host beside the keeper in another spelling of the same file),
# switched on, with an 8-second timeout. Wine reports the user idle since the prefix started, so
# the keeper photographs the screen at its first look. The section it holds is owned by the
# user, lets the user alone in and is labelled medium integrity with no read or write up. The
# keeper's reading of the screen and the host's (through a small helper with the host's
# manifest) side by side: the host reads 1024 x 768 at 144 dots per inch, and takes the
# photograph only because the monitors and scales recorded in its header are the ones it reads;
# it is the X screen 1:1. Once taken, the keeper drops it, and a second reading finds nothing.
# "/stop" ends the keeper. (Wine scales no program, aware or not: that each program declares
# per-monitor awareness is checked by the resources test.)
start_xvfb 1024x768
scale_prefix 144
warm_wine
layout=$(keeper_read layout)
echo "host reads: $layout"
[ "$layout" = "0,0 1024x768 0,0 1024x768@144" ] || fail "the host reads the screen as $layout"
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
keeper_in_folder
choose_saver "$KEEPER_DIR_WIN\\.\\アルトストラト.SCR" 8

start_program "$KEEPER_COPY"
keeper=$PROGRAM_PID
poll 30 keeper_holds || fail "the keeper holds no photograph: $(keeper_read held)"
held=$(keeper_read held)
echo "keeper: $held"
[ "$held" = "held owner=user aces=1 user-only=1 label=0x2000/0x3" ] ||
    fail "not the user's alone at medium integrity: $held"

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
