// A helper of the keeper's Wine scenarios, standing where the host stands:
//   keeper-read take FILE.ppm   the host's TakeKeeperPhotograph over the virtual screen now,
//                               written as a PPM; prints "taken WxH", or "none"
//   keeper-read held            prints "none" when no photograph is held, else
//                               "held owner=user|other aces=N user-only=1|0": who owns the
//                               section and whether its access list lets the user alone in
#include <windows.h>

#include <aclapi.h>

#include <cstdio>
#include <string>

#include "common/keeper_photograph.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"
#include "host/ground/win32/keeper_photograph.h"

namespace altostrat {
namespace {

int Take(const wchar_t* path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const ScreenRect screen{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const std::optional<RgbPicture> picture = TakeKeeperPhotograph(screen);
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

int Held() {
    HANDLE section = OpenFileMappingW(READ_CONTROL, FALSE, Wide(kKeeperPhotographName).c_str());
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
    std::printf("held owner=%s aces=%d user-only=%d\n",
                OwnedByTokenUser(section) ? "user" : "other", aces, userOnly ? 1 : 0);
    CloseHandle(section);
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
    std::fprintf(stderr, "usage: keeper-read take FILE.ppm | held\n");
    return 2;
}
