#include "common/win32/same_file.h"

#include <windows.h>

namespace altostrat {
namespace {

bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    // No access asked for: only the file's identity is read, whoever holds it open.
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool read = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    return read;
}

}  // namespace

bool SameFile(const std::wstring& a, const std::wstring& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return !a.empty() && !b.empty() && FileIdentity(a, first) && FileIdentity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace altostrat
