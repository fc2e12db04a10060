# The saver run's music, heard through a private sound server: with the settings choosing a WAV
# file, and then an MP3 file in a folder whose name has a blank, the real host started with /s
# plays it while the renderer flies, keeps it going longer than the file itself lasts (the WAV
# loops, the MP3 is started again after it ends), falls silent while the display is powered
# down (the monitor power command "off", SC_MONITORPOWER 2, posted to the host's hidden window
# as Windows sends it to every top-level window; Wine never sends it by itself) and plays again
# once it is back on (-1), and is silent once Escape has ended the run. The test sounds are made
# here: a 1 s WAV tone and a 1.5 s MP3 tone.
start_xvfb 1024x768
start_sound_server
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"

music_dir="$WINEPREFIX/drive_c/music test"
mkdir -p "$music_dir"
sox -n -r 44100 -c 2 -b 16 "$music_dir/tone.wav" synth 1 sine 440 vol 0.5
sox -n -r 44100 -c 2 -b 16 -t wav - synth 1.5 sine 440 vol 0.5 2>/dev/null |
    lame --quiet - "$music_dir/tone 1.mp3"

recording=$SOUND_DIR/run.raw
record_sound "$recording"

# music_settings PATH: the settings file chooses that music file (kind 2), in Shift-JIS.
music_settings() {
    printf '[Section]\r\nBGM区分=2\r\nBGMﾌｧｲﾙ=%s\r\n' "$1" | iconv -f UTF-8 -t CP932 >"$HOST_INI"
}

# recorded_until SECONDS: the recording has reached that length.
recorded_until() {
    at_least "$(sound_seconds "$recording")" "$1"
}

# sounding_since FROM SECONDS: at least SECONDS of sound were recorded after FROM.
sounding_since() {
    at_least "$(sounding_seconds "$recording" "$1")" "$2"
}

# silent_after NAME FROM WHAT: the recording two seconds long a second after FROM is silent; the
# second skipped is for what was already on its way to the sink.
silent_after() {
    local rms
    poll 20 recorded_until "$(awk -v e="$2" 'BEGIN {print e + 3}')" ||
        fail "$1: the sound server stopped recording"
    rms=$(sound_rms "$recording" "$(awk -v e="$2" 'BEGIN {print e + 1}')" 2)
    at_least 0.01 "$rms" || fail "$1: still sounding $3 (RMS $rms)"
    echo "$1: RMS $rms $3"
}

# saver_run_with_music PATH NAME FILE_SECONDS: one /s run with PATH as its music.
saver_run_with_music() {
    local path=$1 name=$2 file_seconds=$3 start end off on
    music_settings "$path"
    start=$(sound_seconds "$recording")
    start_program "$HOST_COPY" /s
    local host_pid=$PROGRAM_PID
    poll 60 window_shown OpenGL Altostrat_VC || fail "$name: the renderer's window never showed"
    # More sound than the file holds: it played again after its end.
    poll 30 sounding_since "$start" "$(awk -v s="$file_seconds" 'BEGIN {print s + 1}')" ||
        fail "$name: $(sounding_seconds "$recording" "$start") s of sound during the run," \
            "not more than the file's $file_seconds s"
    echo "$name: $(sounding_seconds "$recording" "$start") s of sound in the run"

    probe post Altostrat_Main 0x0112 0xF170 2 >/dev/null || fail "$name: could not post display off"
    off=$(sound_seconds "$recording")
    silent_after "$name" "$off" "with the display off"
    probe post Altostrat_Main 0x0112 0xF170 -1 >/dev/null || fail "$name: could not post display on"
    on=$(sound_seconds "$recording")
    poll 30 sounding_since "$on" 1 || fail "$name: no sound with the display back on"

    press_key Escape
    wait_exit "$host_pid" 20
    end=$(sound_seconds "$recording")
    silent_after "$name" "$end" "after the run ended"
}

saver_run_with_music 'C:\music test\tone.wav' WAV 1
saver_run_with_music 'C:\music test\tone 1.mp3' MP3 1.5
stop_recording
