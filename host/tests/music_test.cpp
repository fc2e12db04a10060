// The music procedures' conversations with the multimedia layer. The expected lines are written
// in Windows' published MCI command-string syntax and PlaySound flag numbers, so a wrong word,
// order, buffer size or flag shows as a differing line.

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "host/music/music.h"

namespace altostrat {
namespace {

// Records every call as one line ("command #capacity", "PlaySound name 0xFLAGS") and answers
// commands from a script: each command's replies are used in turn, then it succeeds with "".
class RecordingSender final : public MciSender {
  public:
    struct Scripted {
        std::int32_t code = 0;
        std::string reply;
    };
    std::vector<std::string> calls;
    std::map<std::string, std::deque<Scripted>> answers;
    std::map<std::int32_t, std::string> errorTexts;
    std::uint32_t waveDevices = 1;

    void Answer(const std::string& command, std::int32_t code, const std::string& reply) {
        answers[command].push_back({code, reply});
    }

    std::int32_t SendString(std::string_view command, std::string* reply,
                            std::size_t replyCapacity) override {
        calls.push_back(std::string(command) + " #" + std::to_string(replyCapacity));
        Scripted answer;
        auto found = answers.find(std::string(command));
        if (found != answers.end() && !found->second.empty()) {
            answer = found->second.front();
            found->second.pop_front();
        }
        if (reply != nullptr && replyCapacity > 0) {
            *reply = answer.reply.substr(0, replyCapacity - 1);
        }
        return answer.code;
    }
    bool ErrorString(std::int32_t code, std::string& text, std::size_t textCapacity) override {
        calls.push_back("error text " + std::to_string(code) + " #" + std::to_string(textCapacity));
        auto found = errorTexts.find(code);
        if (found == errorTexts.end()) {
            return false;
        }
        text = found->second;
        return true;
    }
    bool PlaySound(std::string_view fileName, std::uint32_t flags) override {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", flags);
        calls.push_back("PlaySound " + std::string(fileName) + " " + hex);
        return true;
    }
    std::uint32_t WaveDeviceCount() override {
        calls.push_back("wave devices");
        return waveDevices;
    }
};

using Lines = std::vector<std::string>;

TEST(MciCommandTest, RepliesErrorsAndPlayCommands) {
    RecordingSender mci;
    MusicState state;
    std::string text = "old";

    EXPECT_EQ(MciCommand(mci, "", text), -1);
    EXPECT_EQ(text, u8"コマンド文字列が指定されていません");
    EXPECT_TRUE(mci.calls.empty());

    mci.Answer("status cdaudio mode", 0, "playing");
    EXPECT_EQ(MciCommand(mci, "status cdaudio mode", text), 0);
    EXPECT_EQ(text, "playing");

    // 263 is MCIERR_INVALID_DEVICE_NAME; 999 has no text.
    mci.errorTexts[263] = "The specified device is not open or is not recognized by MCI.";
    mci.Answer("status nothing mode", 263, "");
    EXPECT_EQ(MciCommand(mci, "status nothing mode", text), 263);
    EXPECT_EQ(text, "The specified device is not open or is not recognized by MCI.");
    mci.Answer("status odd mode", 999, "");
    EXPECT_EQ(MciStatus(mci, state, "status odd mode"), "Error:999");
    EXPECT_EQ(state.MciResult, u8"Error (文字列が取れません)");

    mci.Answer("status cdaudio current track", 0, "5");
    EXPECT_EQ(MciStatus(mci, state, "status cdaudio current track"), "5");
    EXPECT_EQ(state.MciResult, "5");

    MciPlay(mci, state, "cdaudio", "", "");
    MciPlay(mci, state, "cdaudio", "3", "");
    MciPlay(mci, state, "cdaudio", "", "7");
    MciPlay(mci, state, "cdaudio", "3", "7");
    EXPECT_EQ(mci.calls, (Lines{"status cdaudio mode #512", "status nothing mode #512",
                                "error text 263 #256", "status odd mode #512",
                                "error text 999 #256", "status cdaudio current track #512",
                                "play cdaudio #512", "play cdaudio from 3 #512",
                                "play cdaudio to 7 #512", "play cdaudio from 3 to 7 #512"}));
}

TEST(MusicFileTest, Mp3RunStartsRestartsAndStops) {
    RecordingSender mci;
    PlayMP3(mci, "C:\\My Music\\a song.Mp3");
    mci.Answer("status MP3Play mode", 0, "playing");
    RepeatMP3(mci);
    mci.Answer("status MP3Play mode", 0, "stopped");
    RepeatMP3(mci);
    mci.Answer("status MP3Play mode", 0, "paused");
    RepeatMP3(mci);
    StopMP3(mci);
    EXPECT_EQ(mci.calls,
              (Lines{"open \"C:\\My Music\\a song.Mp3\" type MPEGVideo Alias MP3Play #0",
                     "play MP3Play #0", "status MP3Play mode #30", "status MP3Play mode #30",
                     "stop MP3Play #0", "play MP3Play from 0 #0", "status MP3Play mode #30",
                     "stop MP3Play #0", "play MP3Play from 0 #0", "stop MP3Play #0",
                     "close MP3Play #0"}));

    // Only the first seven characters of the mode count; a failed open plays nothing.
    RecordingSender other;
    other.Answer("open \"x.mp3\" type MPEGVideo Alias MP3Play", 275, "");
    PlayMP3(other, "x.mp3");
    other.Answer("status MP3Play mode", 0, "playing on");
    EXPECT_TRUE(IsMP3Playing(other));
    other.Answer("status MP3Play mode", 0, "playin");
    EXPECT_FALSE(IsMP3Playing(other));
    EXPECT_EQ(other.calls, (Lines{"open \"x.mp3\" type MPEGVideo Alias MP3Play #0",
                                  "status MP3Play mode #30", "status MP3Play mode #30"}));
}

// Around a display power-down the device is closed, not paused (a paused device keeps the
// audio stream that keeps Windows awake), and opened again at the place MCI gave at the close.
// A reply that is no place (an error) starts from the top; a file that no longer opens plays
// nothing.
TEST(MusicSleepTest, ClosedAtItsPlaceAndOpenedThereAgain) {
    RecordingSender mci;
    MusicState state;
    PlayMP3(mci, "C:\\a.mp3");
    mci.calls.clear();
    mci.Answer("status MP3Play position", 0, "83517");
    SleepMP3(mci, state);
    WakeMP3(mci, state, "C:\\a.mp3");
    const std::string open = "open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play #0";
    EXPECT_EQ(mci.calls, (Lines{"set MP3Play time format milliseconds #0",
                                "status MP3Play position #512", "stop MP3Play #0",
                                "close MP3Play #0", open, "set MP3Play time format milliseconds #0",
                                "seek MP3Play to 83517 #0", "play MP3Play #0"}));
    EXPECT_EQ(state.PlaceAtSleep, "");

    mci.calls.clear();
    mci.Answer("status MP3Play position", 277, "");
    SleepMP3(mci, state);
    mci.Answer("open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", 0, "");
    WakeMP3(mci, state, "C:\\a.mp3");
    EXPECT_EQ(Lines(mci.calls.end() - 2, mci.calls.end()),
              (Lines{"set MP3Play time format milliseconds #0", "play MP3Play #0"}));
    mci.calls.clear();
    mci.Answer("status MP3Play position", 0, "1200 to 0; close all");
    SleepMP3(mci, state);
    mci.Answer("open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", 275, "");
    WakeMP3(mci, state, "C:\\a.mp3");
    EXPECT_EQ(mci.calls.back(), open);

    // The CD at its track, minute, second and frame, in the time format OpenCD sets again.
    RecordingSender cd;
    OpenCD(cd);
    cd.Answer("status cdaudio position", 0, "03:01:22:40");
    SleepCD(cd, state);
    WakeCD(cd, state);
    EXPECT_EQ(cd.calls,
              (Lines{"open cdaudio #0", "set cdaudio time format tmsf #0",
                     "status cdaudio position #512", "stop cdaudio #0", "close cdaudio #0",
                     "open cdaudio #0", "set cdaudio time format tmsf #0",
                     "seek cdaudio to 03:01:22:40 #0", "play cdaudio #0"}));
}

TEST(MusicFileTest, WaveRunLoopsTheFileOnlyAndStops) {
    RecordingSender mci;
    PlayWave(mci, "C:\\a b.wav");
    StopWave(mci);
    // SND_ASYNC 0x1 | SND_NODEFAULT 0x2 | SND_LOOP 0x8 | SND_FILENAME 0x20000.
    EXPECT_EQ(mci.calls,
              (Lines{"wave devices", "PlaySound C:\\a b.wav 0x2000B", "PlaySound  0x0"}));

    RecordingSender silent;
    silent.waveDevices = 0;
    PlayWave(silent, "C:\\a.wav");
    EXPECT_EQ(silent.calls, (Lines{"wave devices"}));
}

TEST(CdAudioTest, OpenStopAndPollsWithoutRepeat) {
    RecordingSender mci;
    MusicState state;
    OpenCD(mci);
    // No disc: the first query fails and polling ends before anything else is sent.
    mci.Answer("status cdaudio current track", 264, "");
    CheckCD(mci, state, 0);
    EXPECT_FALSE(state.CdActive);
    StopCD(mci);
    EXPECT_EQ(mci.calls, (Lines{"open cdaudio #0", "set cdaudio time format tmsf #0",
                                "status cdaudio current track #512", "error text 264 #256",
                                "stop cdaudio #0", "close cdaudio #0"}));

    // Repeat track 0: a stopped drive is started again, a playing one left alone; the current
    // track need not be a number. A failing track count ends polling too.
    RecordingSender disc;
    disc.Answer("status cdaudio current track", 0, "?");
    disc.Answer("status cdaudio number of tracks", 0, "10");
    disc.Answer("status cdaudio mode", 0, "stopped");
    CheckCD(disc, state, 0);
    EXPECT_TRUE(state.CdActive);
    disc.Answer("status cdaudio current track", 0, "2");
    disc.Answer("status cdaudio number of tracks", 0, "10");
    disc.Answer("status cdaudio mode", 0, "playing");
    CheckCD(disc, state, 0);
    EXPECT_TRUE(state.CdActive);
    disc.Answer("status cdaudio current track", 0, "2");
    disc.Answer("status cdaudio number of tracks", 0, "error");
    CheckCD(disc, state, 0);
    EXPECT_FALSE(state.CdActive);
    EXPECT_EQ(
        disc.calls,
        (Lines{"status cdaudio current track #512", "status cdaudio number of tracks #512",
               "status cdaudio mode #255", "play cdaudio #512", "status cdaudio current track #512",
               "status cdaudio number of tracks #512", "status cdaudio mode #255",
               "status cdaudio current track #512", "status cdaudio number of tracks #512"}));
}

TEST(CdAudioTest, RepeatTrackJumpsBackAndNonNumericTrackEndsPolling) {
    RecordingSender mci;
    MusicState state;
    auto poll = [&](const std::string& track, const std::string& mode) {
        mci.Answer("status cdaudio current track", 0, track);
        mci.Answer("status cdaudio number of tracks", 0, "10");
        mci.Answer("status cdaudio mode", 0, mode);
        mci.Answer("status cdaudio position track 3", 0, "03:00:00:00");
        CheckCD(mci, state, 3);
    };
    const Lines queries = {"status cdaudio current track #512",
                           "status cdaudio number of tracks #512", "status cdaudio mode #255"};
    const Lines jump = {"status cdaudio position track 3 #512",
                        "play cdaudio from 03:00:00:00 #512"};

    poll("1", "stopped");  // the first poll: drive stopped at track 1
    Lines expected = queries;
    expected.insert(expected.end(), jump.begin(), jump.end());
    EXPECT_EQ(mci.calls, expected);
    EXPECT_TRUE(state.CdActive);

    mci.calls.clear();
    poll("3", "playing");  // in the repeat track: nothing to do
    EXPECT_EQ(mci.calls, queries);

    mci.calls.clear();
    poll("4", "playing");  // passed into the next track: back to the start of track 3
    EXPECT_EQ(mci.calls, expected);
    EXPECT_TRUE(state.CdActive);

    mci.calls.clear();
    poll("3", "stopped");  // the repeat track was the last and the disc ended
    EXPECT_EQ(mci.calls, expected);

    mci.calls.clear();
    poll("three", "stopped");  // not a number: polling ends, even on a stopped drive
    EXPECT_EQ(mci.calls, queries);
    EXPECT_FALSE(state.CdActive);
}

}  // namespace
}  // namespace altostrat
