#pragma once
// Whether the display is showing anything. Windows tells a window in two ways: the monitor
// power system command (the request to power the display down or up) and the console display
// state notification (what the display actually did). While it is off there is nothing to
// draw for and no one to listen: the renderer lets the processor rest and the host pauses the
// music.

#include <cstdint>

namespace altostrat {

enum class DisplayPower { kOn, kOff };

// The monitor power command's argument: -1 powers the display on, 2 shuts it off, and 1 puts it
// into low power, the monitor's standby, which shows no picture either. Only the low 32 bits
// count. Any other value leaves CURRENT as it is.
DisplayPower DisplayPowerAfterMonitorCommand(std::int64_t argument, DisplayPower current);

// The console display state: 0 off, 1 on, 2 dimmed. A dimmed display still shows the picture,
// so the flight goes on there. Any other value leaves CURRENT as it is.
DisplayPower DisplayPowerFromConsoleState(std::uint32_t state, DisplayPower current);

}  // namespace altostrat
