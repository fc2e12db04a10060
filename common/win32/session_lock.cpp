#include "common/win32/session_lock.h"

#include <windows.h>

#include <versionhelpers.h>
#include <wtsapi32.h>

#include <cstddef>
#include <cstring>

namespace altostrat {
namespace {

// WTSSessionInfoEx and where its answer (WTSINFOEXW: a DWORD level, then WTSINFOEX_LEVEL1_W,
// aligned to 8 by its LARGE_INTEGERs: session id, connection state, SessionFlags) keeps the
// flags: written here as the Windows SDK lays them out, since not every SDK the programs are
// built with declares them.
constexpr int kSessionInfoEx = 25;
constexpr std::size_t kLevel1Offset = 8;

}  // namespace

SessionLock ReadSessionLock() {
    LPWSTR answer = nullptr;
    DWORD bytes = 0;
    if (!WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION,
                                     static_cast<WTS_INFO_CLASS>(kSessionInfoEx), &answer,
                                     &bytes) ||
        answer == nullptr) {
        return SessionLock::kUnknown;
    }
    SessionLock lock = SessionLock::kUnknown;
    if (bytes >= kLevel1Offset + 3 * sizeof(std::int32_t)) {
        const auto* start = reinterpret_cast<const unsigned char*>(answer);
        DWORD level = 0;
        std::int32_t flags = -1;
        std::memcpy(&level, start, sizeof level);
        std::memcpy(&flags, start + kLevel1Offset + 2 * sizeof(std::int32_t), sizeof flags);
        if (level == 1) {
            // The service answers this only from Windows 7 on; Windows 7 (6.1) reverses the
            // flags, and every later version reports at least 6.2, manifest or not.
            lock = SessionLockFromFlags(flags, !IsWindows8OrGreater());
        }
    }
    WTSFreeMemory(answer);
    return lock;
}

}  // namespace altostrat
