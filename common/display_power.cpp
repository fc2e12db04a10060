#include "common/display_power.h"

namespace altostrat {

DisplayPower DisplayPowerAfterMonitorCommand(std::int64_t argument, DisplayPower current) {
    // Only the low 32 bits count: a 32-bit program's -1 arrives as 0xFFFFFFFF.
    switch (static_cast<std::int32_t>(static_cast<std::uint32_t>(argument))) {
        case -1:
            return DisplayPower::kOn;
        case 1:
        case 2:
            return DisplayPower::kOff;
        default:
            return current;
    }
}

DisplayPower DisplayPowerFromConsoleState(std::uint32_t state, DisplayPower current) {
    switch (state) {
        case 0:
            return DisplayPower::kOff;
        case 1:
        case 2:
            return DisplayPower::kOn;
        default:
            return current;
    }
}

}  // namespace altostrat
