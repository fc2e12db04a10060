// The host's judgement of the keeper's section, case by case as the keeper's promise states it:
// only the user's own, whole, of the screen's monitors and scales now and newer than the last
// input.
#include "common/keeper_photograph.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace altostrat {
namespace {

const ScreenRect kTwoMonitors{-800, 0, 1024, 768};
// An 800 x 600 monitor at 150 % left of the primary, their tops aligned.
const ScreenLayout kLayout{kTwoMonitors,
                           {{{0, 0, 1024, 768}, 96, true}, {{-800, 0, 0, 600}, 144, false}}};

std::vector<std::uint8_t> Section(const ScreenLayout& layout, std::uint32_t tick) {
    std::vector<std::uint8_t> bytes(KeeperSectionSize(layout.virtualScreen));
    WriteKeeperHeader(MakeKeeperHeader(layout, tick), bytes.data());
    return bytes;
}

KeeperSightNow Now() {
    KeeperSightNow now;
    now.trust = {true, true, true};
    now.layout = kLayout;
    now.lastInputTick = 1000;
    now.nowTick = 5000;
    return now;
}

TEST(KeeperSection, OnlyTheUsersOwnWholeCurrentPhotographIsUsable) {
    struct Case {
        const char* what;
        KeeperSightNow now;
        std::uint32_t takenAt;
        std::size_t cutBy;  // bytes missing from the section's end
        KeeperVerdict expected;
    };
    KeeperSightNow stranger = Now();
    stranger.trust.ownerIsUser = false;
    KeeperSightNow openToOthers = Now();
    openToOthers.trust.onlyUserLetIn = false;
    KeeperSightNow lowLabel = Now();
    lowLabel.trust.labelAtLeastMedium = false;
    KeeperSightNow moved = Now();
    moved.layout.virtualScreen = {0, 0, 1824, 768};  // the same size, the monitor now right of it
    moved.layout.monitors[1].rect = {1024, 0, 1824, 600};
    KeeperSightNow lowered = Now();  // the same bounding box, the small monitor's bottom aligned
    lowered.layout.monitors[1].rect = {-800, 168, 0, 768};
    KeeperSightNow rescaled = Now();  // the same pixels, the small monitor now at 125 %
    rescaled.layout.monitors[1].dpi = 120;
    KeeperSightNow reordered = Now();  // the same monitors, listed the other way round
    std::swap(reordered.layout.monitors[0], reordered.layout.monitors[1]);
    KeeperSightNow oneMore = Now();  // a third monitor inside the box, over the first
    oneMore.layout.monitors.push_back({{0, 0, 1024, 768}, 96, false});
    KeeperSightNow cameBack = Now();
    cameBack.lastInputTick = 2001;
    KeeperSightNow later = Now();
    later.nowTick = 2000 + kKeeperHoldMilliseconds + 1;
    KeeperSightNow wrapped = Now();  // the tick count wrapped between input and photograph
    wrapped.lastInputTick = 0xFFFFF000u;
    wrapped.nowTick = 0x2000;
    const Case cases[] = {
        {"usable", Now(), 2000, 0, KeeperVerdict::kUsable},
        {"taken at the input's tick", Now(), 1000, 0, KeeperVerdict::kUsable},
        {"another owner", stranger, 2000, 0, KeeperVerdict::kNotOurs},
        {"others let in", openToOthers, 2000, 0, KeeperVerdict::kNotOurs},
        {"labelled below medium", lowLabel, 2000, 0, KeeperVerdict::kNotOurs},
        {"one byte of the last row missing", Now(), 2000, 1, KeeperVerdict::kTruncated},
        {"other virtual screen", moved, 2000, 0, KeeperVerdict::kOtherLayout},
        {"other arrangement in the same box", lowered, 2000, 0, KeeperVerdict::kOtherLayout},
        {"other scale", rescaled, 2000, 0, KeeperVerdict::kOtherLayout},
        {"a monitor more", oneMore, 2000, 0, KeeperVerdict::kOtherLayout},
        {"monitors listed in another order", reordered, 2000, 0, KeeperVerdict::kUsable},
        {"input since", cameBack, 2000, 0, KeeperVerdict::kBeforeInput},
        {"older than the hold", later, 2000, 0, KeeperVerdict::kTooOld},
        {"across the tick's wrap", wrapped, 0x1000, 0, KeeperVerdict::kUsable},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Section(kLayout, c.takenAt);
        EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size() - c.cutBy, c.now, nullptr),
                  c.expected)
            << c.what;
    }
}

TEST(KeeperSection, ALyingOrShortHeaderIsRefusedWithoutReadingPastTheEnd) {
    std::vector<std::uint8_t> bytes = Section(kLayout, 2000);
    EXPECT_EQ(CheckKeeperSection(bytes.data(), kKeeperHeaderSize - 1, Now(), nullptr),
              KeeperVerdict::kTruncated);
    EXPECT_EQ(CheckKeeperSection(nullptr, 0, Now(), nullptr), KeeperVerdict::kTruncated);

    KeeperHeader wide = MakeKeeperHeader(kLayout, 2000);
    wide.rowStride += 4;  // rows longer than the picture: not what the keeper writes
    WriteKeeperHeader(wide, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kMalformed);

    KeeperHeader older = MakeKeeperHeader(kLayout, 2000);
    older.version = 1;  // a keeper of before the monitor digest
    WriteKeeperHeader(older, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kMalformed);

    KeeperHeader half = MakeKeeperHeader(kLayout, 2000);
    half.magic = 0;  // the keeper writes the magic last: a section still being filled
    WriteKeeperHeader(half, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kMalformed);

    KeeperHeader taken = MakeKeeperHeader(kLayout, 2000);
    taken.taken = 1;
    WriteKeeperHeader(taken, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kAlreadyTaken);
}

TEST(KeeperSection, RowsAreTheBitmapRowsTopFirstPaddedToFourBytes) {
    const ScreenLayout screen{{-1, -1, 1, 1}, {{{-1, -1, 1, 1}, 96, true}}};  // 2 x 2
    std::vector<std::uint8_t> bytes = Section(screen, 2000);
    ASSERT_EQ(bytes.size(), kKeeperHeaderSize + 2 * 8u);
    KeeperSightNow now = Now();
    now.layout = screen;
    KeeperHeader header;
    ASSERT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), now, &header), KeeperVerdict::kUsable);
    const BgrRows rows = KeeperRows(bytes.data(), header);
    EXPECT_EQ(rows.width, 2);
    EXPECT_EQ(rows.height, 2);
    EXPECT_EQ(rows.rows, bytes.data() + kKeeperHeaderSize);
    EXPECT_EQ(rows.stride, 8u);
}

// The session service's SessionFlags as Windows documents them (WTS_SESSIONSTATE_LOCK 0,
// WTS_SESSIONSTATE_UNLOCK 1, WTS_SESSIONSTATE_UNKNOWN 0xFFFFFFFF), and Windows 7's reversal of
// the first two.
TEST(SessionLock, ReadsTheServicesFlagsTheWayEachWindowsWritesThem) {
    const struct {
        std::int32_t flags;
        bool reversed;
        SessionLock expected;
    } cases[] = {
        {0, false, SessionLock::kLocked},   {1, false, SessionLock::kUnlocked},
        {0, true, SessionLock::kUnlocked},  {1, true, SessionLock::kLocked},
        {-1, false, SessionLock::kUnknown}, {-1, true, SessionLock::kUnknown},
        {2, false, SessionLock::kUnknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SessionLockFromFlags(c.flags, c.reversed), c.expected)
            << c.flags << (c.reversed ? " on Windows 7" : "");
    }
}

}  // namespace
}  // namespace altostrat
