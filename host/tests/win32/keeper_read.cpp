// A helper of the keeper's Wine scenarios, standing where the host stands (per-monitor DPI aware
// through the host's own manifest):
//   keeper-read take FILE.ppm   the host's TakeKeeperPhotograph over the screen now, written as a
//                               PPM; prints "taken WxH", or "none"
//   keeper-read held            prints "none" when no photograph is held, else
//                               "held owner=user|other aces=N user-only=1|0 label=LEVEL/POLICY":
//                               who owns the section, whether its access list lets the user
//                               alone in, and its integrity label as read from its own entry
//                               (LEVEL the label's RID in hex, POLICY its mask; "none" without)
//   keeper-read layout          the host's reading of the screen: "LEFT,TOP WxH" and each
//                               monitor as " LEFT,TOP WxH@DPI"
#include <windows.h>

#include <aclapi.h>

#include <cstdio>
#include <string>

#include "common/keeper_photograph.h"
#include "common/win32/keeper_names.h"
#include "common/win32/screen_reading.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"
#include "host/ground/win32/keeper_photograph.h"

namespace altostrat {
namespace {

int Take(const wchar_t* path) {
    const std::optional<RgbPicture> picture = TakeKeeperPhotograph(ReadScreenLayout());
    if (!picture) {
        std::printf("none\n");
        return 0;
    }
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr) {
        return 2;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", picture->width, picture->height);
    std::fwrite(picture->pixels.data(), 1, picture->pixels.size(), file);
    std::fclose(file);
    std::printf("taken %dx%d\n", picture->width, picture->height);
    return 0;
}

// The section's label entry as "RID/MASK" in hex, "none" without one, "?" when unreadable.
std::string Label(HANDLE section) {
    PACL sacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(section, SE_KERNEL_OBJECT, LABEL_SECURITY_INFORMATION, nullptr, nullptr,
                        nullptr, &sacl, &descriptor) != ERROR_SUCCESS) {
        return "?";
    }
    std::string label = "none";
    void* ace = nullptr;
    if (sacl != nullptr && sacl->AceCount == 1 && GetAce(sacl, 0, &ace) &&
        static_cast<ACE_HEADER*>(ace)->AceType == SYSTEM_MANDATORY_LABEL_ACE_TYPE) {
        auto* entry = static_cast<SYSTEM_MANDATORY_LABEL_ACE*>(ace);
        PSID sid = &entry->SidStart;
        char text[32];
        std::snprintf(text, sizeof text, "0x%lx/0x%lx",
                      static_cast<unsigned long>(
                          *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u)),
                      static_cast<unsigned long>(entry->Mask));
        label = text;
    }
    LocalFree(descriptor);
    return label;
}

int Held() {
    const KeeperNames names;
    const std::wstring name = names.Of(kKeeperPhotographName);
    HANDLE section = name.empty() ? nullptr : OpenFileMappingW(READ_CONTROL, FALSE, name.c_str());
    if (section == nullptr) {
        std::printf("none\n");
        return 0;
    }
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    int aces = -1;
    bool userOnly = false;
    if (GetSecurityInfo(section, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                        &dacl, nullptr, &descriptor) == ERROR_SUCCESS &&
        dacl != nullptr) {
        aces = dacl->AceCount;
        const std::vector<BYTE> user = TokenUserSid();
        void* ace = nullptr;
        userOnly = aces == 1 && GetAce(dacl, 0, &ace) &&
                   static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE &&
                   !user.empty() &&
                   EqualSid(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart,
                            const_cast<BYTE*>(user.data()));
    }
    if (descriptor != nullptr) {
        LocalFree(descriptor);
    }
    std::printf("held owner=%s aces=%d user-only=%d label=%s\n",
                OwnedByThisUser(section, SE_KERNEL_OBJECT) ? "user" : "other", aces,
                userOnly ? 1 : 0, Label(section).c_str());
    CloseHandle(section);
    return 0;
}

int Layout() {
    const ScreenLayout layout = ReadScreenLayout();
    const ScreenRect& all = layout.virtualScreen;
    std::printf("%d,%d %dx%d", all.left, all.top, all.Width(), all.Height());
    for (const MonitorPlace& monitor : layout.monitors) {
        std::printf(" %d,%d %dx%d@%u", monitor.rect.left, monitor.rect.top, monitor.rect.Width(),
                    monitor.rect.Height(), monitor.dpi);
    }
    std::printf("\n");
    return 0;
}

}  // namespace
}  // namespace altostrat

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"take") {
        return altostrat::Take(argv[2]);
    }
    if (argc == 2 && std::wstring(argv[1]) == L"held") {
        return altostrat::Held();
    }
    if (argc == 2 && std::wstring(argv[1]) == L"layout") {
        return altostrat::Layout();
    }
    std::fprintf(stderr, "usage: keeper-read take FILE.ppm | held | layout\n");
    return 2;
}
