#include "common/win32/access_list.h"

#include <aclapi.h>
#include <sddl.h>

#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// The SID written out as LocalAlloc'd memory, freed when this goes.
struct LocalSid {
    PSID sid = nullptr;
    LocalSid() = default;
    LocalSid(const LocalSid&) = delete;
    LocalSid& operator=(const LocalSid&) = delete;
    ~LocalSid() { LocalFree(sid); }
};

// The integrity level a label's SID names: its last sub-authority.
std::uint32_t LevelOf(PSID sid) {
    if (sid == nullptr || !IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) {
        return kLevelUntrusted;
    }
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
}

}  // namespace

std::vector<MandatoryLabel> MandatoryLabelsOf(PACL sacl) {
    std::vector<MandatoryLabel> labels;
    ACL_SIZE_INFORMATION size{};
    if (!GetAclInformation(sacl, &size, sizeof(size), AclSizeInformation)) {
        return {{kLevelUntrusted, kLabelNoWriteUp, 0}};
    }
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(sacl, i, &ace)) {
            labels.push_back({kLevelUntrusted, kLabelNoWriteUp, 0});
            continue;
        }
        const ACE_HEADER* header = static_cast<const ACE_HEADER*>(ace);
        if (header->AceType == SYSTEM_MANDATORY_LABEL_ACE_TYPE) {
            const auto* label = static_cast<const SYSTEM_MANDATORY_LABEL_ACE*>(ace);
            labels.push_back(
                {LevelOf(const_cast<DWORD*>(&label->SidStart)), label->Mask, header->AceFlags});
        }
    }
    return labels;
}

std::string SidText(PSID sid) {
    if (sid == nullptr || !IsValidSid(sid)) {
        return {};
    }
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) {
        return {};
    }
    std::string result = Narrow(text);
    LocalFree(text);
    return result;
}

FolderAccessList AccessListOf(PSECURITY_DESCRIPTOR descriptor) {
    FolderAccessList list;
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    if (GetSecurityDescriptorOwner(descriptor, &owner, &defaulted)) {
        list.owner = SidText(owner);
    }
    BOOL labelled = FALSE;
    PACL sacl = nullptr;
    if (GetSecurityDescriptorSacl(descriptor, &labelled, &sacl, &defaulted) && labelled &&
        sacl != nullptr) {
        list.labels = MandatoryLabelsOf(sacl);
    }
    BOOL present = FALSE;
    PACL acl = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) || !present ||
        acl == nullptr) {
        list.has_list = false;
        return list;
    }
    ACL_SIZE_INFORMATION size{};
    if (!GetAclInformation(acl, &size, sizeof(size), AclSizeInformation)) {
        list.has_list = false;
        return list;
    }
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(acl, i, &ace)) {
            list.entries.push_back({kSidEveryone, true, kRightsFullControl, 0});
            continue;
        }
        const ACE_HEADER* header = static_cast<const ACE_HEADER*>(ace);
        // The allowed, denied and their callback kinds share one layout: mask, then the SID.
        const auto* known = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        switch (header->AceType) {
            case ACCESS_ALLOWED_ACE_TYPE:
            case ACCESS_ALLOWED_CALLBACK_ACE_TYPE:
            case ACCESS_DENIED_ACE_TYPE:
                list.entries.push_back({SidText(const_cast<DWORD*>(&known->SidStart)),
                                        header->AceType != ACCESS_DENIED_ACE_TYPE, known->Mask,
                                        header->AceFlags});
                break;
            case ACCESS_DENIED_CALLBACK_ACE_TYPE:
                break;
            default:
                list.entries.push_back({kSidEveryone, true, kRightsFullControl, header->AceFlags});
        }
    }
    return list;
}

std::optional<FolderAccessList> ReadFolderAccessList(const std::wstring& folder, DWORD& error) {
    HANDLE handle = CreateFileW(
        folder.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    error = GetFileInformationByHandle(handle, &info) ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_SUCCESS) {
        error = GetSecurityInfo(
            handle, SE_FILE_OBJECT,
            OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION | LABEL_SECURITY_INFORMATION,
            nullptr, nullptr, nullptr, nullptr, &descriptor);
    }
    CloseHandle(handle);
    if (error != ERROR_SUCCESS) {
        return std::nullopt;
    }
    FolderAccessList list = AccessListOf(descriptor);
    list.link = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    LocalFree(descriptor);
    return list;
}

bool BuildDescriptor(const FolderAccessList& list, BuiltDescriptor& out) {
    std::vector<std::vector<BYTE>> sids;
    DWORD bytes = sizeof(ACL);
    for (const AccessEntry& entry : list.entries) {
        LocalSid sid;
        if (!ConvertStringSidToSidW(Wide(entry.sid).c_str(), &sid.sid)) {
            return false;
        }
        const BYTE* begin = static_cast<const BYTE*>(sid.sid);
        sids.emplace_back(begin, begin + GetLengthSid(sid.sid));
        bytes += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(sid.sid);
    }
    out.acl.assign(bytes, 0);
    PACL acl = reinterpret_cast<PACL>(out.acl.data());
    if (!InitializeAcl(acl, bytes, ACL_REVISION)) {
        return false;
    }
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const AccessEntry& entry = list.entries[i];
        const BOOL added = entry.allow ? AddAccessAllowedAceEx(acl, ACL_REVISION, entry.flags,
                                                               entry.rights, sids[i].data())
                                       : AddAccessDeniedAceEx(acl, ACL_REVISION, entry.flags,
                                                              entry.rights, sids[i].data());
        if (!added) {
            return false;
        }
    }
    return InitializeSecurityDescriptor(&out.descriptor, SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&out.descriptor, TRUE, acl, FALSE) &&
           SetSecurityDescriptorControl(&out.descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

}  // namespace altostrat
