#include "common/win32/our_window.h"

#include "common/win32/same_file.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return {};
    }
    // "C:\" keeps its separator: "C:" alone would be the drive's current folder.
    return path.substr(0, slash > 0 && path[slash - 1] == L':' ? slash + 1 : slash);
}

// The folder of the program file PROCESS runs; "" when it cannot be read.
std::wstring ProgramFolderOf(DWORD process) {
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) {
        return {};
    }
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    const bool read = QueryFullProcessImageNameW(handle, 0, path.data(), &length) != FALSE;
    CloseHandle(handle);
    path.resize(read ? length : 0);
    return FolderOf(path);
}

std::wstring OwnFolder() {
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return FolderOf(path);
}

}  // namespace

HWND FindOurWindow(const std::string& className, const std::string& title) {
    const std::wstring wideClass = Wide(className);
    const std::wstring wideTitle = Wide(title);
    const std::wstring own = OwnFolder();
    if (own.empty()) {
        return nullptr;
    }
    // FindWindowEx from the desktop walks the top-level windows, hidden ones too, one match after
    // the other.
    for (HWND window = FindWindowExW(nullptr, nullptr, wideClass.c_str(), wideTitle.c_str());
         window != nullptr;
         window = FindWindowExW(nullptr, window, wideClass.c_str(), wideTitle.c_str())) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) {
            return window;
        }
        const std::wstring folder = ProgramFolderOf(process);
        // Compared as the folders they open: one may be spelt with short names or other case.
        if (!folder.empty() && SameFile(folder, own)) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace altostrat
