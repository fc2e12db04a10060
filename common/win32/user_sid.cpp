#include "common/win32/user_sid.h"

#include <aclapi.h>

namespace altostrat {

std::vector<BYTE> TokenUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> info(size);
    std::vector<BYTE> sid;
    if (size > 0 && GetTokenInformation(token, TokenUser, info.data(), size, &size)) {
        PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
        if (IsValidSid(user)) {
            const BYTE* bytes = static_cast<const BYTE*>(user);
            sid.assign(bytes, bytes + GetLengthSid(user));
        }
    }
    CloseHandle(token);
    return sid;
}

bool OwnedByTokenUser(HANDLE object) {
    std::vector<BYTE> user = TokenUserSid();
    if (user.empty()) {
        return false;
    }
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool same = owner != nullptr && IsValidSid(owner) && EqualSid(owner, user.data());
    LocalFree(descriptor);
    return same;
}

}  // namespace altostrat
