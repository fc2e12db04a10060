// The host's judgement of the keeper's section, case by case as the keeper's promise states it:
// only the user's own, whole, of the screen's layout now and newer than the last input.
#include "common/keeper_photograph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace altostrat {
namespace {

const ScreenRect kTwoMonitors{-800, 0, 1024, 768};

std::vector<std::uint8_t> Section(const ScreenRect& screen, std::uint32_t tick) {
    std::vector<std::uint8_t> bytes(KeeperSectionSize(screen));
    WriteKeeperHeader(MakeKeeperHeader(screen, tick), bytes.data());
    return bytes;
}

KeeperSightNow Now() {
    KeeperSightNow now;
    now.ownerIsUser = true;
    now.virtualScreen = kTwoMonitors;
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
    stranger.ownerIsUser = false;
    KeeperSightNow moved = Now();
    moved.virtualScreen = {0, 0, 1824, 768};  // the same size, the monitor now right of it
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
        {"one byte of the last row missing", Now(), 2000, 1, KeeperVerdict::kTruncated},
        {"other layout", moved, 2000, 0, KeeperVerdict::kOtherLayout},
        {"input since", cameBack, 2000, 0, KeeperVerdict::kBeforeInput},
        {"older than the hold", later, 2000, 0, KeeperVerdict::kTooOld},
        {"across the tick's wrap", wrapped, 0x1000, 0, KeeperVerdict::kUsable},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Section(kTwoMonitors, c.takenAt);
        EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size() - c.cutBy, c.now, nullptr),
                  c.expected)
            << c.what;
    }
}

TEST(KeeperSection, ALyingOrShortHeaderIsRefusedWithoutReadingPastTheEnd) {
    std::vector<std::uint8_t> bytes = Section(kTwoMonitors, 2000);
    EXPECT_EQ(CheckKeeperSection(bytes.data(), kKeeperHeaderSize - 1, Now(), nullptr),
              KeeperVerdict::kTruncated);
    EXPECT_EQ(CheckKeeperSection(nullptr, 0, Now(), nullptr), KeeperVerdict::kTruncated);

    KeeperHeader wide = MakeKeeperHeader(kTwoMonitors, 2000);
    wide.rowStride += 4;  // rows longer than the picture: not what the keeper writes
    WriteKeeperHeader(wide, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kMalformed);

    KeeperHeader half = MakeKeeperHeader(kTwoMonitors, 2000);
    half.magic = 0;  // the keeper writes the magic last: a section still being filled
    WriteKeeperHeader(half, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kMalformed);

    KeeperHeader taken = MakeKeeperHeader(kTwoMonitors, 2000);
    taken.taken = 1;
    WriteKeeperHeader(taken, bytes.data());
    EXPECT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), Now(), nullptr),
              KeeperVerdict::kAlreadyTaken);
}

TEST(KeeperSection, PixelsComeOutAsRgbTopRowFirst) {
    const ScreenRect screen{-1, -1, 1, 1};  // 2 x 2
    std::vector<std::uint8_t> bytes = Section(screen, 2000);
    const std::uint8_t rows[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
    std::copy(std::begin(rows), std::end(rows), bytes.begin() + kKeeperHeaderSize);
    KeeperSightNow now = Now();
    now.virtualScreen = screen;
    KeeperHeader header;
    ASSERT_EQ(CheckKeeperSection(bytes.data(), bytes.size(), now, &header), KeeperVerdict::kUsable);
    const RgbPicture picture = KeeperPicture(bytes.data(), header);
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.pixels, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

}  // namespace
}  // namespace altostrat
