#include "common/win32/keeper_section.h"

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/win32/access_list.h"
#include "common/win32/user_sid.h"

namespace altostrat {
namespace {

// Every ACE that allows anything names USER, and at least one does. Denials are fine; any other
// kind of ACE (object, callback) is not one the keeper writes.
bool OnlyUserAllowed(const ACL* dacl, const std::vector<BYTE>& user) {
    if (dacl == nullptr || user.empty()) {
        return false;  // a null access list lets everyone in
    }
    bool allowed = false;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(const_cast<ACL*>(dacl), i, &ace)) {
            return false;
        }
        const BYTE type = static_cast<ACE_HEADER*>(ace)->AceType;
        if (type == ACCESS_DENIED_ACE_TYPE) {
            continue;
        }
        if (type != ACCESS_ALLOWED_ACE_TYPE ||
            !EqualSid(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart,
                      const_cast<BYTE*>(user.data()))) {
            return false;
        }
        allowed = true;
    }
    return allowed;
}

// The lowest level any label of SACL gives; medium when there is none, as Windows reads an
// object without a label.
std::uint32_t IntegrityLevel(PACL sacl) {
    const std::vector<MandatoryLabel> labels =
        sacl != nullptr ? MandatoryLabelsOf(sacl) : std::vector<MandatoryLabel>();
    std::uint32_t level = labels.empty() ? kLevelMedium : labels.front().level;
    for (const MandatoryLabel& label : labels) {
        level = std::min(level, label.level);
    }
    return level;
}

// Windows before Vista has no integrity levels: its tokens have none, and it reads no labels.
bool HasIntegrityLevels() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return true;
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    const bool has = GetLastError() != ERROR_INVALID_PARAMETER;
    CloseHandle(token);
    return has;
}

}  // namespace

KeeperSectionSecurity::KeeperSectionSecurity(DWORD access) {
    const std::wstring user = TokenUserSidText();
    if (user.empty()) {
        return;
    }
    // ACCESS for the user alone, nothing inherited; the label's NRNW is no-read-up and
    // no-write-up, at ME, medium.
    std::wstring mask;
    for (int shift = 28; shift >= 0; shift -= 4) {
        mask += L"0123456789abcdef"[(access >> shift) & 0xF];
    }
    const std::wstring owned = L"O:" + user + L"D:P(A;;0x" + mask + L";;;" + user + L")";
    for (const std::wstring& sddl : {owned + L"S:(ML;;NRNW;;;ME)", owned}) {
        if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                                 &descriptor, nullptr)) {
            break;
        }
        descriptor = nullptr;
    }
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = descriptor;
    attributes.bInheritHandle = FALSE;
}

KeeperSectionSecurity::~KeeperSectionSecurity() {
    if (descriptor != nullptr) {
        LocalFree(descriptor);
    }
}

KeeperSectionTrust ReadKeeperSectionTrust(HANDLE section) {
    KeeperSectionTrust trust;
    trust.ownerIsUser = OwnedByThisUser(section, SE_KERNEL_OBJECT);
    PACL dacl = nullptr;
    PACL sacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const bool levels = HasIntegrityLevels();
    const SECURITY_INFORMATION wanted =
        DACL_SECURITY_INFORMATION | (levels ? LABEL_SECURITY_INFORMATION : 0);
    if (GetSecurityInfo(section, SE_KERNEL_OBJECT, wanted, nullptr, nullptr, &dacl, &sacl,
                        &descriptor) == ERROR_SUCCESS) {
        trust.onlyUserLetIn = OnlyUserAllowed(dacl, TokenUserSid());
        trust.labelAtLeastMedium = !levels || IntegrityLevel(sacl) >= kLevelMedium;
        LocalFree(descriptor);
    }
    return trust;
}

}  // namespace altostrat
