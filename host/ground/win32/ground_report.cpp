#include "host/ground/win32/ground_report.h"

#include <windows.h>

#include <shlobj.h>

#include "common/win32/private_folder.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"
#include "host/ground/desktop_source.h"

namespace altostrat {
namespace {

std::wstring LocalApplicationData() {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path) == S_OK && path) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

// Where HANDLE lies as Windows resolves every link on the way; "" when it cannot tell.
std::wstring FinalPath(HANDLE handle) {
    std::wstring path(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring FinalFolderPath(const std::wstring& folder) {
    HANDLE handle =
        CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring path = FinalPath(handle);
    CloseHandle(handle);
    return path;
}

// The report's file as itself: an existing one opened without following a link, else a new one
// made only where nothing stands.
HANDLE OpenAsItself(const std::wstring& path) {
    constexpr DWORD kAccess = GENERIC_WRITE | READ_CONTROL;
    constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
    for (int attempt = 0; attempt < 2; ++attempt) {
        HANDLE file =
            CreateFileW(path.c_str(), kAccess, 0, nullptr, OPEN_EXISTING, kFlags, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) {
            return file;
        }
        file = CreateFileW(path.c_str(), kAccess, 0, nullptr, CREATE_NEW, kFlags, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
        // Something appeared in between: looked at once more as an existing file.
    }
    return INVALID_HANDLE_VALUE;
}

// A plain file of the user's, with no other name, lying at EXPECTED.
bool PlainFileOfOurs(HANDLE file, const std::wstring& expected) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0 ||
        info.nNumberOfLinks != 1 || !OwnedByThisUser(file, SE_FILE_OBJECT)) {
        return false;
    }
    const std::wstring final = FinalPath(file);
    return !final.empty() && !expected.empty() &&
           CompareStringOrdinal(final.c_str(), static_cast<int>(final.size()), expected.c_str(),
                                static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

bool WriteGroundReport(const std::string& report) {
    const std::wstring data = LocalApplicationData();
    if (data.empty()) {
        return false;
    }
    const std::wstring folder = data + L"\\" + Wide(kGroundReportFolderName);
    if (!MakePrivateFolder(folder)) {
        return false;
    }
    const std::wstring name = Wide(kGroundReportFileName);
    HANDLE file = OpenAsItself(folder + L"\\" + name);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = false;
    if (PlainFileOfOurs(file, FinalFolderPath(folder) + L"\\" + name) &&
        SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file)) {
        // With the byte-order mark, so that every Notepad reads it as UTF-8.
        const std::string bytes = "\xEF\xBB\xBF" + report;
        DWORD count = 0;
        written =
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) &&
            count == bytes.size();
    }
    CloseHandle(file);
    return written;
}

}  // namespace altostrat
