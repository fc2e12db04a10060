// The installer's helper for the install folder, run from the installer's temporary folder
// before anything is installed, so that the installer judges folders by the same decision the
// programs use (common/folder_access.h) rather than by a second one in its own script:
//   setup-folder.exe /check FOLDER REPORT  exit code 0 when no other account of the computer may
//     change FOLDER; 1 when one may, and 2 when that cannot be told, both with REPORT written
//     (UTF-16 with a byte-order mark, as an INI file the installer reads: [finding] folder=
//     the folder at fault, who= the account);
//   setup-folder.exe /make FOLDER          makes the folders of FOLDER's path that are missing,
//     each with a protected list for the user alone; exit code 0 when FOLDER is a folder then.
// Any other command line ends with exit code 3.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "common/win32/private_folder.h"

namespace altostrat {
namespace {

bool WriteReport(const std::wstring& path, const FolderFinding& finding) {
    const std::wstring text =
        L"\xFEFF[finding]\r\nfolder=" + finding.folder + L"\r\nwho=" + finding.who + L"\r\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), bytes, &written, nullptr) && written == bytes;
    return CloseHandle(file) && whole;
}

int Run(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"/check" && argc == 4) {
        const FolderFinding finding = FindOthersWhoMayWrite(argv[2]);
        if (!finding.others_can_write) {
            return 0;
        }
        WriteReport(argv[3], finding);
        return finding.unreadable ? 2 : 1;
    }
    if (command == L"/make" && argc == 3) {
        return MakePrivateFolder(argv[2]) ? 0 : 1;
    }
    return 3;
}

}  // namespace
}  // namespace altostrat

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) {
        return 3;
    }
    const int code = altostrat::Run(argc, argv);
    LocalFree(argv);
    return code;
}
