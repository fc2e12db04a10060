#include "common/win32/user_sid.h"

#include <sddl.h>

namespace altostrat {

namespace {

// The SID the process token holds as KIND (TokenUser or TokenOwner); empty when it cannot be
// read.
std::vector<BYTE> TokenSid(TOKEN_INFORMATION_CLASS kind) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<BYTE> info(size);
    std::vector<BYTE> sid;
    if (size > 0 && GetTokenInformation(token, kind, info.data(), size, &size)) {
        PSID found = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid
                                       : reinterpret_cast<TOKEN_OWNER*>(info.data())->Owner;
        if (IsValidSid(found)) {
            const BYTE* bytes = static_cast<const BYTE*>(found);
            sid.assign(bytes, bytes + GetLengthSid(found));
        }
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

std::vector<BYTE> TokenUserSid() {
    return TokenSid(TokenUser);
}

std::wstring TokenUserSidText() {
    std::vector<BYTE> user = TokenUserSid();
    wchar_t* text = nullptr;
    if (user.empty() || !ConvertSidToStringSidW(user.data(), &text)) {
        return L"";
    }
    std::wstring sid = text;
    LocalFree(text);
    return sid;
}

bool OwnedByThisUser(HANDLE object, SE_OBJECT_TYPE type) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(object, type, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    bool own = false;
    if (owner != nullptr && IsValidSid(owner)) {
        std::vector<BYTE> sids[] = {TokenUserSid(), TokenSid(TokenOwner)};
        for (std::vector<BYTE>& sid : sids) {
            own = own || (!sid.empty() && EqualSid(owner, sid.data()));
        }
    }
    LocalFree(descriptor);
    return own;
}

}  // namespace altostrat
