// The run folder on Windows. The folder is made with an access list of its own, protected from
// what it would inherit: full access for this user and for the system, nobody else, passed on to
// everything made inside. The user's temporary folder gives that already on a standard system;
// the explicit list keeps it so where TEMP was pointed at a folder other accounts may read, such
// as a C:\Temp that an administrator made for everyone.
#include "host/win32/win32_run_folder.h"

#include <sddl.h>

#include <memory>

#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// "S-1-5-21-...": this process's user, or "" when it cannot be read.
std::wstring UserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return L"";
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::unique_ptr<BYTE[]> buffer(size > 0 ? new BYTE[size] : nullptr);
    std::wstring text;
    if (buffer != nullptr && GetTokenInformation(token, TokenUser, buffer.get(), size, &size)) {
        wchar_t* sid = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &sid)) {
            text = sid;
            LocalFree(sid);
        }
    }
    CloseHandle(token);
    return text;
}

// The folder's security descriptor (LocalFree it), or nullptr: the folder then takes what the
// temporary folder passes on.
PSECURITY_DESCRIPTOR PrivateFolderDescriptor() {
    const std::wstring user = UserSid();
    if (user.empty()) {
        return nullptr;
    }
    const std::wstring sddl = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;" + user + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return nullptr;
    }
    return descriptor;
}

}  // namespace

std::string Win32RunFolderPlatform::TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return "";
    }
    std::wstring folder(buffer, length);
    if (folder.back() != L'\\') {
        folder += L'\\';
    }
    return Narrow(folder);
}

std::uint32_t Win32RunFolderPlatform::ProcessId() {
    return GetCurrentProcessId();
}

bool Win32RunFolderPlatform::CreateFolder(const std::string& path) {
    PSECURITY_DESCRIPTOR descriptor = PrivateFolderDescriptor();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    // Fails when anything at all exists there: a folder, a file, a link.
    const BOOL made =
        CreateDirectoryW(Wide(path).c_str(), descriptor != nullptr ? &attributes : nullptr);
    if (descriptor != nullptr) {
        LocalFree(descriptor);
    }
    return made != FALSE;
}

bool Win32RunFolderPlatform::HoldLock(const std::string& path) {
    ReleaseLock();
    lock_ = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return lock_ != INVALID_HANDLE_VALUE;
}

void Win32RunFolderPlatform::ReleaseLock() {
    if (lock_ != INVALID_HANDLE_VALUE) {
        CloseHandle(lock_);
        lock_ = INVALID_HANDLE_VALUE;
    }
}

std::vector<FolderEntry> Win32RunFolderPlatform::List(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::wstring pattern = Wide(folder);
    if (!pattern.empty() && pattern.back() != L'\\') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        FolderEntry entry;
        entry.name = Narrow(name);
        entry.folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

RemoveResult Win32RunFolderPlatform::RemoveFile(const std::string& path) {
    if (DeleteFileW(Wide(path).c_str())) {
        return RemoveResult::kRemoved;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? RemoveResult::kMissing
                                                                          : RemoveResult::kRefused;
}

bool Win32RunFolderPlatform::RemoveFolder(const std::string& path) {
    return RemoveDirectoryW(Wide(path).c_str()) != FALSE;
}

bool WriteNewFile(const std::string& path, const void* bytes, std::size_t size) {
    const std::wstring widePath = Wide(path);
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const auto* next = static_cast<const BYTE*>(bytes);
    bool written = true;
    while (size > 0 && written) {
        const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD done = 0;
        written = WriteFile(file, next, chunk, &done, nullptr) && done == chunk;
        next += done;
        size -= done;
    }
    written = CloseHandle(file) && written;
    if (!written) {
        DeleteFileW(widePath.c_str());  // this run made it a moment ago
    }
    return written;
}

}  // namespace altostrat
