// The command line as xscreensaver's documentation for hacks writes it: window ids in decimal
// or 0x hex, "--root" or "--window-id", and XSCREENSAVER_WINDOW standing in for the root window;
// boolean settings as its settings descriptions add them.
#include <gtest/gtest.h>

#include "linux_program/options/hack_options.h"

namespace altostrat {
namespace {

TEST(HackOptions, WindowIdsAreReadAsXscreensaverWritesThem) {
    std::uint64_t id = 0;
    EXPECT_TRUE(ParseWindowId("0x1a00007", id));
    EXPECT_EQ(id, 0x1a00007u);
    EXPECT_TRUE(ParseWindowId("27262983", id));
    EXPECT_EQ(id, 27262983u);
    EXPECT_TRUE(ParseWindowId("0XFFFFFFFF", id));
    EXPECT_EQ(id, 0xFFFFFFFFu);
    for (const char* bad : {"", "0x", "0", "-5", "+5", "12ab", "0x1g", " 12", "0x100000000",
                            "99999999999999999999"}) {
        EXPECT_FALSE(ParseWindowId(bad, id)) << bad;
    }
}

TEST(HackOptions, TargetFollowsOptionsThenTheVariable) {
    HackOptions bare = ParseHackOptions({}, nullptr);
    EXPECT_EQ(bare.target, FlightTarget::kStandalone);
    EXPECT_TRUE(bare.error.empty());

    HackOptions root = ParseHackOptions({"--root"}, nullptr);
    EXPECT_EQ(root.target, FlightTarget::kRootWindow);

    // Under xscreensaver its window is the root the hack draws on.
    HackOptions rootInSaver = ParseHackOptions({"-root"}, "0x400001");
    EXPECT_EQ(rootInSaver.target, FlightTarget::kGivenWindow);
    EXPECT_EQ(rootInSaver.windowId, 0x400001u);
    HackOptions bareInSaver = ParseHackOptions({"--fps"}, "4194305");
    EXPECT_EQ(bareInSaver.target, FlightTarget::kGivenWindow);
    EXPECT_EQ(bareInSaver.windowId, 4194305u);
    EXPECT_TRUE(bareInSaver.printFps);

    // An explicit window wins over the variable.
    HackOptions given = ParseHackOptions({"--window-id", "0x600003"}, "0x400001");
    EXPECT_EQ(given.target, FlightTarget::kGivenWindow);
    EXPECT_EQ(given.windowId, 0x600003u);

    HackOptions noWait = ParseHackOptions({"--no-frame-wait"}, "");
    EXPECT_EQ(noWait.target, FlightTarget::kStandalone);
    EXPECT_FALSE(noWait.framePeriodWait);
}

// The glider is shown unless the check box of xscreensaver's settings, when cleared, adds
// "--no-aircraft" (in either dash form) to the command, wherever it stands; the sky keeps to
// midday unless its box, when ticked, adds "--sky-follows-clock", and the clock stays away unless
// its box adds "--clock". Each option sets only its own.
TEST(HackOptions, GliderAndSkyBoxesGiveTheirOptions) {
    EXPECT_TRUE(ParseHackOptions({}, nullptr).showAircraft);
    EXPECT_TRUE(ParseHackOptions({"--root", "--fps"}, "0x400001").showAircraft);
    EXPECT_FALSE(ParseHackOptions({"--root", "--no-aircraft"}, nullptr).skyFollowsClock);

    const HackOptions sky = ParseHackOptions({"--root", "--sky-follows-clock"}, "0x400001");
    EXPECT_TRUE(sky.error.empty());
    EXPECT_TRUE(sky.skyFollowsClock);
    EXPECT_TRUE(sky.showAircraft);
    EXPECT_EQ(sky.target, FlightTarget::kGivenWindow);
    EXPECT_FALSE(sky.clock);
    const HackOptions both = ParseHackOptions({"-sky-follows-clock", "-no-aircraft"}, nullptr);
    EXPECT_TRUE(both.skyFollowsClock);
    EXPECT_FALSE(both.showAircraft);
    const HackOptions clock = ParseHackOptions({"--root", "-clock"}, "0x400001");
    EXPECT_TRUE(clock.error.empty());
    EXPECT_TRUE(clock.clock);
    EXPECT_FALSE(clock.skyFollowsClock);

    HackOptions hidden = ParseHackOptions({"--root", "--no-aircraft"}, "0x400001");
    EXPECT_TRUE(hidden.error.empty());
    EXPECT_FALSE(hidden.showAircraft);
    EXPECT_EQ(hidden.target, FlightTarget::kGivenWindow);
    HackOptions hiddenFirst =
        ParseHackOptions({"-no-aircraft", "--window-id", "0x600003"}, nullptr);
    EXPECT_FALSE(hiddenFirst.showAircraft);
    EXPECT_EQ(hiddenFirst.windowId, 0x600003u);

    // Only the option xscreensaver's settings write is taken.
    EXPECT_FALSE(ParseHackOptions({"--aircraft"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"--no-aircraft=1"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"--sky-follows-clock", "1"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"--clocks"}, nullptr).error.empty());
}

TEST(HackOptions, BadCommandLinesAreRefused) {
    EXPECT_FALSE(ParseHackOptions({"--window-id"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"--window-id", "root"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"--speed", "3"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({"stray"}, nullptr).error.empty());
    EXPECT_FALSE(ParseHackOptions({}, "not-a-window").error.empty());
    // The list commands stand alone, and whatever the variable says, they do not fly.
    EXPECT_FALSE(ParseHackOptions({"--add-to-xscreensaver", "--root"}, nullptr).error.empty());
    EXPECT_EQ(ParseHackOptions({"-add-to-xscreensaver"}, "0x400001").action,
              ProgramAction::kAddToXscreensaver);
    EXPECT_EQ(ParseHackOptions({"--remove-from-xscreensaver"}, nullptr).action,
              ProgramAction::kRemoveFromXscreensaver);
    EXPECT_EQ(ParseHackOptions({"--root"}, nullptr).action, ProgramAction::kFly);
    // Asked for help or the version, it answers whatever else the line holds, even a word it
    // would refuse.
    EXPECT_EQ(ParseHackOptions({"--root", "-h", "stray"}, nullptr).action, ProgramAction::kHelp);
    EXPECT_EQ(ParseHackOptions({"stray", "-version"}, "0x400001").action, ProgramAction::kVersion);
}

TEST(HackOptions, WaylandOptionsTakeTheXWaylandWindowOrTheIdleSeconds) {
    const HackOptions plain = ParseHackOptions({"--x11", "--each-monitor"}, nullptr);
    EXPECT_TRUE(plain.x11);
    EXPECT_EQ(plain.idleSeconds, 0);
    EXPECT_EQ(ParseHackOptions({"-idle", "600", "--picture", "p.png"}, nullptr).idleSeconds, 600);
    EXPECT_EQ(ParseHackOptions({"--idle", "86400"}, nullptr).idleSeconds, 86400);
    for (const char* bad : {"0", "-5", "+5", "5s", "", "86401", "1e3", "999999999999"}) {
        EXPECT_FALSE(ParseHackOptions({"--idle", bad}, nullptr).error.empty()) << bad;
    }
    EXPECT_FALSE(ParseHackOptions({"--idle"}, nullptr).error.empty());
}

}  // namespace
}  // namespace altostrat
