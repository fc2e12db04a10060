#include "host/dialog/win32/keeper_control.h"

#include <windows.h>

#include "common/keeper_photograph.h"
#include "common/win32/registry_text.h"
#include "common/win32/same_file.h"
#include "common/win32/wide_text.h"
#include "host/text/win32/program_folder.h"

namespace altostrat {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The entry's data without the quotes around it; "" when there is none.
std::wstring RunEntryPath() {
    std::wstring path = UserRegistryText(kRunKey, Wide(kKeeperRunValueName).c_str());
    if (path.size() >= 2 && path.front() == L'"') {
        path = path.substr(1, path.find(L'"', 1) - 1);
    }
    return path;
}

}  // namespace

std::wstring KeeperBesideHost() {
    return Wide(ProgramFolder() + "\\" + kKeeperFileName);
}

bool KeeperStartsAtSignIn(const std::wstring& keeper) {
    return SameFile(RunEntryPath(), keeper);
}

bool SetKeeperAtSignIn(const std::wstring& keeper, bool on) {
    const std::wstring name = Wide(kKeeperRunValueName);
    if (on) {
        const std::wstring quoted = L"\"" + keeper + L"\"";
        return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name.c_str(), REG_SZ, quoted.c_str(),
                               static_cast<DWORD>((quoted.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    }
    if (!KeeperStartsAtSignIn(keeper)) {
        return true;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    const LONG deleted = RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

bool StartKeeper(const std::wstring& keeper) {
    std::wstring commandLine = L"\"" + keeper + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(keeper.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace altostrat
