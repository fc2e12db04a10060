// The run folder on Windows. The folder is made with an access list of its own, protected from
// what it would inherit: full access for this user and for the system, nobody else, passed on to
// everything made inside. The user's temporary folder gives that already on a standard system;
// the explicit list keeps it so where TEMP was pointed at a folder other accounts may read, such
// as a C:\Temp that an administrator made for everyone. Without that list no folder is made at
// all: the run then flies over plain ground rather than leave the photograph readable.
//
// The sweep holds each candidate folder open without sharing its deletion, so that nobody can
// rename, move or replace it while the sweep works in it, and addresses the files inside through
// the path the held handle resolves to (GetFinalPathNameByHandleW). Files are opened as
// themselves, never followed (FILE_FLAG_OPEN_REPARSE_POINT), and deleted by their handle
// (FileDispositionInfo). Opening children relative to a handle would need the native NtCreateFile,
// which is not part of the documented API; holding the parent gives the same guarantee with
// documented calls that MinGW and Wine both carry.
#include "host/run_folder/win32/win32_run_folder.h"

#include <sddl.h>

#include <vector>

#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// Marks an object opened with DELETE access to go when its last handle closes.
bool DeleteOnClose(HANDLE object) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(object, FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}

// The folder's security descriptor (LocalFree it), or nullptr: the folder then takes what the
// temporary folder passes on.
PSECURITY_DESCRIPTOR PrivateFolderDescriptor() {
    const std::wstring user = TokenUserSidText();
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
    if (descriptor == nullptr) {
        return false;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    // Fails when anything at all exists there: a folder, a file, a link.
    const BOOL made = CreateDirectoryW(Wide(path).c_str(), &attributes);
    LocalFree(descriptor);
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

std::uint32_t Win32RunFolderPlatform::OpenOwnFolder(const std::string& path) {
    // Shared for reading and writing, not for deletion: nobody renames or replaces it now.
    HANDLE folder = CreateFileW(Wide(path).c_str(), DELETE | READ_CONTROL | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    wchar_t resolved[MAX_PATH + 8] = {};
    const DWORD length = GetFinalPathNameByHandleW(folder, resolved, MAX_PATH + 8, 0);
    if (!GetFileInformationByHandle(folder, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || length == 0 ||
        length >= MAX_PATH + 8 || !OwnedByThisUser(folder, SE_FILE_OBJECT)) {
        CloseHandle(folder);
        return 0;
    }
    const std::uint32_t id = nextFolder_++;
    opened_[id] = OpenFolder{folder, std::wstring(resolved, length), INVALID_HANDLE_VALUE};
    return id;
}

RemoveResult Win32RunFolderPlatform::RemoveFileIn(std::uint32_t folder, std::string_view name) {
    const auto found = opened_.find(folder);
    if (found == opened_.end()) {
        return RemoveResult::kRefused;
    }
    const std::wstring path = found->second.path + L"\\" + Wide(std::string(name));
    HANDLE file =
        CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? RemoveResult::kMissing
                   : RemoveResult::kRefused;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool removed = GetFileInformationByHandle(file, &information) &&
                         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                         DeleteOnClose(file);
    CloseHandle(file);
    return removed ? RemoveResult::kRemoved : RemoveResult::kRefused;
}

bool Win32RunFolderPlatform::TakeLockIn(std::uint32_t folder, std::string_view name) {
    const auto found = opened_.find(folder);
    if (found == opened_.end() || found->second.lock != INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::wstring path = found->second.path + L"\\" + Wide(std::string(name));
    found->second.lock = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return found->second.lock != INVALID_HANDLE_VALUE;
}

void Win32RunFolderPlatform::CloseFolder(std::uint32_t folder, bool remove) {
    const auto found = opened_.find(folder);
    if (found == opened_.end()) {
        return;
    }
    if (found->second.lock != INVALID_HANDLE_VALUE) {
        CloseHandle(found->second.lock);  // deleted as it closes
    }
    if (remove) {
        DeleteOnClose(found->second.folder);  // refused while anything is left inside
    }
    CloseHandle(found->second.folder);
    opened_.erase(found);
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
