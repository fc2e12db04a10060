#include "host/ground/win32/keeper_photograph.h"

#include <windows.h>

#include "common/keeper_photograph.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {

std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenRect& virtualScreen,
                                               std::optional<KeeperVerdict>* verdict) {
    HANDLE section = OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE | READ_CONTROL, FALSE,
                                      Wide(kKeeperPhotographName).c_str());
    if (section == nullptr) {
        return std::nullopt;
    }
    std::optional<RgbPicture> picture;
    KeeperSightNow now;
    now.ownerIsUser = OwnedByTokenUser(section);
    if (verdict != nullptr && !now.ownerIsUser) {
        *verdict = KeeperVerdict::kNotOurs;
    }
    now.virtualScreen = virtualScreen;
    auto* view = static_cast<std::uint8_t*>(
        now.ownerIsUser ? MapViewOfFile(section, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0)
                        : nullptr);
    MEMORY_BASIC_INFORMATION region{};
    if (view != nullptr && VirtualQuery(view, &region, sizeof region) == sizeof region) {
        LASTINPUTINFO input{};
        input.cbSize = sizeof input;
        now.nowTick = GetTickCount();
        // Without the last input's time, nothing tells that the photograph is still the screen.
        now.lastInputTick = GetLastInputInfo(&input) ? input.dwTime : now.nowTick + 1;
        // The view covers the section rounded up to whole pages: what lies past the section's
        // end reads as zeros and never fails, and the header's own size check bounds the rows.
        KeeperHeader header;
        const KeeperVerdict judged = CheckKeeperSection(view, region.RegionSize, now, &header);
        if (verdict != nullptr) {
            *verdict = judged;
        }
        if (judged == KeeperVerdict::kUsable) {
            picture = KeeperPicture(view, header);
            InterlockedExchange(reinterpret_cast<volatile LONG*>(view + kKeeperTakenOffset), 1);
        }
    }
    if (view != nullptr) {
        UnmapViewOfFile(view);
    }
    CloseHandle(section);
    return picture;
}

}  // namespace altostrat
