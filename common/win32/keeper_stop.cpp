#include "common/win32/keeper_stop.h"

#include <windows.h>

#include "common/keeper_photograph.h"
#include "common/win32/wide_text.h"

namespace altostrat {

void SignalKeeperStop() {
    HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, Wide(kKeeperStopEventName).c_str());
    if (stop != nullptr) {
        SetEvent(stop);
        CloseHandle(stop);
    }
}

}  // namespace altostrat
