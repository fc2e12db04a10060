#include "common/win32/keeper_stop.h"

#include <windows.h>

#include "common/keeper_photograph.h"
#include "common/win32/keeper_names.h"

namespace altostrat {

bool SignalKeeperStop() {
    const KeeperNames names;
    const std::wstring name = names.Of(kKeeperStopEventName);
    if (name.empty()) {
        return false;
    }
    HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str());
    if (stop == nullptr) {
        // The keeper makes its stop signal as it starts: none means no keeper runs.
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    const bool told = SetEvent(stop) != FALSE;
    CloseHandle(stop);
    return told;
}

}  // namespace altostrat
