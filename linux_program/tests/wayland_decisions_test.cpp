// The portable decisions the Wayland path carries out: which path the program takes, how large
// each output's picture is drawn, and when an output is drawn as the compositor's frame
// callbacks come and stay away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linux_program/run/display_path.h"
#include "linux_program/wayland/output_frames.h"
#include "linux_program/wayland/surface_buffer.h"

namespace altostrat {
namespace {

TEST(DisplayPath, NativelyOnlyStandaloneOnACompositorThatLetsItCoverTheOutputs) {
    HackOptions standalone;
    HackOptions x11;
    x11.x11 = true;
    HackOptions hack;
    hack.target = FlightTarget::kGivenWindow;
    HackOptions root;
    root.target = FlightTarget::kRootWindow;

    EXPECT_TRUE(AsksCompositor(standalone, true));
    EXPECT_FALSE(AsksCompositor(standalone, false));
    EXPECT_FALSE(AsksCompositor(x11, true));
    EXPECT_FALSE(AsksCompositor(hack, true));
    EXPECT_FALSE(AsksCompositor(root, true));

    struct Case {
        const HackOptions* options;
        bool wayland;
        WaylandOffer offer;
        DisplayPath path;
        bool says;
    };
    const Case cases[] = {
        {&standalone, false, WaylandOffer::kNotAsked, DisplayPath::kX11, false},
        {&standalone, true, WaylandOffer::kLayerShell, DisplayPath::kWayland, false},
        {&standalone, true, WaylandOffer::kNoLayerShell, DisplayPath::kXWayland, true},
        {&standalone, true, WaylandOffer::kUnreachable, DisplayPath::kXWayland, true},
        {&x11, true, WaylandOffer::kNotAsked, DisplayPath::kXWayland, true},
        {&x11, false, WaylandOffer::kNotAsked, DisplayPath::kX11, false},
        // A hack draws into the X window it is given, Wayland or not.
        {&hack, true, WaylandOffer::kNotAsked, DisplayPath::kX11, false},
        {&root, true, WaylandOffer::kNotAsked, DisplayPath::kX11, false},
    };
    for (const Case& c : cases) {
        const DisplayPathChoice choice = ChooseDisplayPath(*c.options, c.wayland, c.offer);
        EXPECT_EQ(choice.path, c.path) << static_cast<int>(c.offer);
        EXPECT_EQ(choice.reason != nullptr, c.says) << static_cast<int>(c.offer);
    }
}

// --idle's way: the compositor natively, GNOME's idle monitor where the session bus has it
// (Wayland through XWayland, or GNOME's X11 session), else a refusal that names what is missing.
TEST(DisplayPath, IdleGoesThroughTheCompositorOrGnomesIdleMonitorElseIsRefused) {
    HackOptions idle;
    idle.idleSeconds = 3;
    HackOptions once;
    HackOptions idleX11 = idle;
    idleX11.x11 = true;

    EXPECT_FALSE(AsksGnomeIdleMonitor(idle, DisplayPath::kWayland));
    EXPECT_TRUE(AsksGnomeIdleMonitor(idle, DisplayPath::kXWayland));
    EXPECT_TRUE(AsksGnomeIdleMonitor(idle, DisplayPath::kX11));
    EXPECT_FALSE(AsksGnomeIdleMonitor(once, DisplayPath::kXWayland));

    using M = GnomeIdleMonitor;
    struct Case {
        const HackOptions* options;
        DisplayPath path;
        M monitor;
        bool saysGnome;
        IdleWay way;
        const char* named;  // a word the refusal says
    };
    const Case cases[] = {
        {&once, DisplayPath::kXWayland, M::kNotAsked, true, IdleWay::kNone, nullptr},
        {&idle, DisplayPath::kWayland, M::kNotAsked, false, IdleWay::kWayland, nullptr},
        // GNOME on Wayland, with or without the hint, and with --x11 (it is XWayland anyway).
        {&idle, DisplayPath::kXWayland, M::kOwned, true, IdleWay::kGnome, nullptr},
        {&idle, DisplayPath::kXWayland, M::kOwned, false, IdleWay::kGnome, nullptr},
        {&idleX11, DisplayPath::kXWayland, M::kOwned, true, IdleWay::kGnome, nullptr},
        // GNOME's X11 session: the same monitor.
        {&idle, DisplayPath::kX11, M::kOwned, true, IdleWay::kGnome, nullptr},
        // Says GNOME, but the bus has no idle monitor (a broken or foreign session bus).
        {&idle, DisplayPath::kXWayland, M::kAbsent, true, IdleWay::kRefused, "Mutter"},
        {&idle, DisplayPath::kXWayland, M::kAbsent, false, IdleWay::kRefused, "sway"},
        {&idle, DisplayPath::kX11, M::kAbsent, false, IdleWay::kRefused, "xscreensaver"},
    };
    for (const Case& c : cases) {
        const IdleChoice choice = ChooseIdleWay(*c.options, c.path, c.monitor, c.saysGnome);
        EXPECT_EQ(choice.way, c.way) << static_cast<int>(c.path) << static_cast<int>(c.monitor);
        EXPECT_EQ(choice.refusal != nullptr, c.named != nullptr);
        if (c.named != nullptr && choice.refusal != nullptr) {
            EXPECT_NE(std::string(choice.refusal).find(c.named), std::string::npos)
                << choice.refusal;
        }
    }

    // XDG_CURRENT_DESKTOP as GNOME-based desktops set it, and others.
    for (const char* gnome : {"GNOME", "ubuntu:GNOME", "GNOME-Classic:GNOME", "pop:GNOME"}) {
        EXPECT_TRUE(DesktopSaysGnome(gnome)) << gnome;
    }
    for (const char* other : {"KDE", "sway", "GNOME-Flashback", "", "XFCE:GNOMEish"}) {
        EXPECT_FALSE(DesktopSaysGnome(other)) << other;
    }
    EXPECT_FALSE(DesktopSaysGnome(nullptr));
}

TEST(SurfaceBuffer, AtTheOutputsScaleFractionalOnlyThroughTheViewporter) {
    struct Case {
        int width, height, scale, fractional120;
        bool viewporter;
        SurfaceBuffer buffer;
    };
    const Case cases[] = {
        {1024, 768, 1, 0, true, {1024, 768, 1, false}},
        {400, 300, 2, 0, false, {800, 600, 2, false}},
        {400, 300, 2, 0, true, {800, 600, 2, false}},        // no fractional scale told yet
        {1280, 720, 2, 180, true, {1920, 1080, 1, true}},    // 150 %
        {1707, 960, 2, 180, true, {2561, 1440, 1, true}},    // half a pixel rounds away from 0
        {1097, 617, 2, 140, true, {1280, 720, 1, true}},     // 116.7 %
        {1280, 720, 2, 180, false, {2560, 1440, 2, false}},  // no viewporter: the integer scale
        {0, 0, 0, 0, false, {1, 1, 1, false}},
    };
    for (const Case& c : cases) {
        const SurfaceBuffer b =
            DecideSurfaceBuffer(c.width, c.height, c.scale, c.fractional120, c.viewporter);
        EXPECT_EQ(b.width, c.buffer.width) << c.width << " " << c.fractional120;
        EXPECT_EQ(b.height, c.buffer.height) << c.height << " " << c.fractional120;
        EXPECT_EQ(b.bufferScale, c.buffer.bufferScale) << c.width;
        EXPECT_EQ(b.viewport, c.buffer.viewport) << c.width;
    }
}

TEST(OutputFrames, DrawnOnePictureAheadAndNeverHeldByASilentOutput) {
    const std::int64_t now = 10000;
    const OutputFrame answered{true, false, 0};
    const OutputFrame justPresented{true, true, now - 5};
    const OutputFrame silent{true, true, now - kOutputFrameLateMs};
    const OutputFrame notYet{false, false, 0};

    // The next picture is drawn while the last is on its way; presenting it waits for the
    // answer, at most until the answer is late.
    OutputFramePlan plan = PlanOutputFrames({answered, justPresented}, now);
    EXPECT_TRUE(plan.pass);
    EXPECT_EQ(plan.draw, (std::vector<bool>{true, true}));
    EXPECT_EQ(PresentWaitMs(answered, now), 0);
    EXPECT_EQ(PresentWaitMs(justPresented, now), kOutputFrameLateMs - 5);
    // An output turned off is neither drawn nor waited for, and holds no other up.
    plan = PlanOutputFrames({answered, silent, notYet}, now);
    EXPECT_TRUE(plan.pass);
    EXPECT_EQ(plan.draw, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(PresentWaitMs(silent, now), -1);
    // Its last picture's answer late while presenting waited: that picture is not presented.
    EXPECT_EQ(PresentWaitMs(justPresented, now + kOutputFrameLateMs), -1);
    // Every output silent, or none to draw on: no pass, and no timer either.
    EXPECT_FALSE(PlanOutputFrames({silent, silent}, now).pass);
    EXPECT_FALSE(PlanOutputFrames({notYet}, now).pass);
    EXPECT_FALSE(PlanOutputFrames({}, now).pass);
    // Its answer come at last, the silent output is drawn again.
    plan = PlanOutputFrames({answered, answered}, now + 1000);
    EXPECT_EQ(plan.draw, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace altostrat
