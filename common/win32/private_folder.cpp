#include "common/win32/private_folder.h"

#include <windows.h>

#include <sddl.h>

#include <vector>

#include "common/folder_access.h"
#include "common/win32/access_list.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

std::string UserSidText() {
    std::vector<BYTE> sid = TokenUserSid();
    return sid.empty() ? std::string() : SidText(sid.data());
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(written < size ? written : 0);
    return full.empty() ? path : full;
}

bool Missing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// PATH as Windows resolves its links: the nearest existing folder's final path, and the rest.
std::wstring ResolvedPath(const std::wstring& path) {
    const std::vector<std::string> folders = FoldersOnPath(Narrow(path));
    for (std::size_t i = folders.size(); i-- > 0;) {
        HANDLE handle = CreateFileW(Wide(folders[i]).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            continue;
        }
        wchar_t final_path[MAX_PATH * 4];
        const DWORD length = GetFinalPathNameByHandleW(handle, final_path, MAX_PATH * 4,
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        CloseHandle(handle);
        if (length == 0 || length >= MAX_PATH * 4) {
            return path;
        }
        return std::wstring(final_path, length) + Wide(Narrow(path).substr(folders[i].size()));
    }
    return path;
}

std::wstring AccountName(const std::string& sid_text) {
    PSID sid = nullptr;
    if (!ConvertStringSidToSidW(Wide(sid_text).c_str(), &sid)) {
        return Wide(sid_text);
    }
    wchar_t name[256];
    wchar_t domain[256];
    DWORD name_size = 256;
    DWORD domain_size = 256;
    SID_NAME_USE use;
    std::wstring result = Wide(sid_text);
    if (LookupAccountSidW(nullptr, sid, name, &name_size, domain, &domain_size, &use)) {
        result = domain_size > 0 ? std::wstring(domain) + L"\\" + name : std::wstring(name);
    }
    LocalFree(sid);
    return result;
}

// The finding over one spelling of the path.
FolderFinding Judge(const std::wstring& path, const std::string& user) {
    FolderFinding finding;
    const std::vector<std::string> folders = FoldersOnPath(Narrow(path));
    if (folders.empty() || user.empty()) {
        return {true, true, path, {}};
    }
    std::vector<FolderAccessList> chain;
    bool missing = false;
    for (const std::string& folder : folders) {
        DWORD error = ERROR_SUCCESS;
        std::optional<FolderAccessList> list;
        if (!missing) {
            list = ReadFolderAccessList(Wide(folder), error);
        }
        // A folder may be made on the path, never the drive or share it lies on.
        if (!list && !missing && (!Missing(error) || chain.empty())) {
            return {true, true, Wide(folder), {}};
        }
        missing = missing || !list;
        chain.push_back(list ? *list : PrivateFolderList(user));
    }
    const FolderVerdict verdict = JudgeFolderChain(chain, user);
    if (verdict.risk != FolderRisk::kNone) {
        finding = {true, false, Wide(folders[verdict.folder]), AccountName(verdict.who),
                   verdict.risk};
    }
    return finding;
}

}  // namespace

FolderFinding FindOthersWhoMayWrite(const std::wstring& folder) {
    const std::string user = UserSidText();
    const std::wstring full = FullPath(folder);
    FolderFinding finding = Judge(full, user);
    const std::wstring resolved = ResolvedPath(full);
    if (!finding.others_can_write &&
        FoldersOnPath(Narrow(resolved)) != FoldersOnPath(Narrow(full))) {
        finding = Judge(resolved, user);
    }
    return finding;
}

bool FolderOthersCanWrite(const std::wstring& folder, std::string& why, UiLanguage language) {
    const FolderFinding finding = FindOthersWhoMayWrite(folder);
    if (!finding.others_can_write) {
        why.clear();
        return false;
    }
    why = finding.unreadable
              ? FolderUnreadableText(Narrow(finding.folder), language)
              : FolderRiskText(Narrow(finding.folder), Narrow(finding.who), finding.risk, language);
    return true;
}

bool MakePrivateFolder(const std::wstring& folder) {
    const std::string user = UserSidText();
    const std::vector<std::string> folders = FoldersOnPath(Narrow(FullPath(folder)));
    BuiltDescriptor built;
    if (user.empty() || folders.empty() || !BuildDescriptor(PrivateFolderList(user), built)) {
        return false;
    }
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &built.descriptor, FALSE};
    for (const std::string& name : folders) {
        const std::wstring path = Wide(name);
        const DWORD kind = GetFileAttributesW(path.c_str());
        if (kind != INVALID_FILE_ATTRIBUTES) {
            if ((kind & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                return false;
            }
            continue;
        }
        // A folder someone else made in the meantime is judged with the rest afterwards.
        if (!CreateDirectoryW(path.c_str(), &attributes) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return true;
}

}  // namespace altostrat
