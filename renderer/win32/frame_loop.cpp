#include "renderer/win32/frame_loop.h"

#include <ctime>

#include "flight/loop/frame_step.h"
#include "flight/pacing/frame_pacer.h"
#include "renderer/win32/power_source.h"

namespace altostrat {

int RunFrameLoop(RendererWindow& window, RendererState& state, ScenePlatform platform,
                 std::int64_t seedOffset) {
    platform.stopRequested = [&window] { return FlightStopRequested(window); };
    platform.displayPoweredDown = [&window] {
        return window.displayPower == DisplayPower::kOff ||
               (window.signals != nullptr && window.signals->displayOff);
    };
    const PowerSourceNotice powerSourceNotice(window.mainWindow);
    MSG message;
    for (;;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        if (window.powerSourceChanged) {
            window.powerSourceChanged = false;
            RenewPowerSource(state.pacer);
        }
        if (!PassDraws(window.windowActive, platform)) {
            // Minimised or with the display off, nothing is drawn and so nothing paces the
            // loop: sleep until the next message or for one frame period instead of spinning.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kFramePeriodMilliseconds, QS_ALLINPUT);
        }
        if (!RunFrameStep(state, platform, window.windowActive,
                          static_cast<std::int64_t>(std::time(nullptr)) + seedOffset)) {
            return 0;
        }
    }
}

}  // namespace altostrat
