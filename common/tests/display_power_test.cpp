// The display's power state from the numbers Windows documents: the monitor power command's
// argument (-1 on, 1 low power, 2 off) and GUID_CONSOLE_DISPLAY_STATE's value (0 off, 1 on,
// 2 dimmed).
#include "common/display_power.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

TEST(DisplayPower, FromTheMonitorCommandAndTheConsoleDisplayState) {
    constexpr DisplayPower kOn = DisplayPower::kOn, kOff = DisplayPower::kOff;
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(2, kOn), kOff);
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(1, kOn), kOff);  // standby shows no picture
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(-1, kOff), kOn);
    // An argument Windows does not define changes nothing, whichever way it finds the display.
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(0, kOff), kOff);
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(3, kOn), kOn);
    // A 32-bit sender's -1 arrives as 0xFFFFFFFF in a 64-bit argument.
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(0xFFFFFFFF, kOff), kOn);
    EXPECT_EQ(DisplayPowerAfterMonitorCommand(0x100000002, kOn), kOff);  // high word ignored

    EXPECT_EQ(DisplayPowerFromConsoleState(0, kOn), kOff);
    EXPECT_EQ(DisplayPowerFromConsoleState(1, kOff), kOn);
    EXPECT_EQ(DisplayPowerFromConsoleState(2, kOff), kOn);  // dimmed still shows the flight
    EXPECT_EQ(DisplayPowerFromConsoleState(3, kOff), kOff);
    EXPECT_EQ(DisplayPowerFromConsoleState(3, kOn), kOn);
}

}  // namespace
}  // namespace altostrat
