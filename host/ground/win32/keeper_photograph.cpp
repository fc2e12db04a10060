#include "host/ground/win32/keeper_photograph.h"

#include <windows.h>

#include "common/keeper_photograph.h"
#include "common/win32/keeper_names.h"
#include "common/win32/keeper_section.h"
#include "common/win32/wide_text.h"
#include "host/ground/photograph_pixels.h"

namespace altostrat {

std::optional<RgbPicture> TakeKeeperPhotograph(const ScreenLayout& layout,
                                               std::optional<KeeperVerdict>* verdict) {
    const KeeperNames names;
    const std::wstring name = names.Of(kKeeperPhotographName);
    HANDLE section = name.empty() ? nullptr
                                  : OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE | READ_CONTROL,
                                                     FALSE, name.c_str());
    if (section == nullptr) {
        return std::nullopt;
    }
    std::optional<RgbPicture> picture;
    KeeperSightNow now;
    now.trust = ReadKeeperSectionTrust(section);
    const bool trusted = KeeperSectionTrusted(now.trust);
    if (verdict != nullptr && !trusted) {
        *verdict = KeeperVerdict::kNotOurs;
    }
    now.layout = layout;
    // A section not trusted is not even mapped.
    auto* view = static_cast<std::uint8_t*>(
        trusted ? MapViewOfFile(section, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0) : nullptr);
    MEMORY_BASIC_INFORMATION region{};
    if (view != nullptr && VirtualQuery(view, &region, sizeof region) == sizeof region) {
        // The input first, then the clock, as the keeper reads them.
        LASTINPUTINFO input{};
        input.cbSize = sizeof input;
        const bool inputKnown = GetLastInputInfo(&input) != FALSE;
        now.nowTick = GetTickCount();
        // Without the last input's time, nothing tells that the photograph is still the screen.
        now.lastInputTick = inputKnown ? input.dwTime : now.nowTick + 1;
        // The view covers the section rounded up to whole pages: what lies past the section's
        // end reads as zeros and never fails, and the header's own size check bounds the rows.
        KeeperHeader header;
        const KeeperVerdict judged = CheckKeeperSection(view, region.RegionSize, now, &header);
        if (verdict != nullptr) {
            *verdict = judged;
        }
        if (judged == KeeperVerdict::kUsable) {
            picture = PictureFromPhotograph(KeeperRows(view, header));
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
