#include "host/win32/program_folder.h"

#include "common/win32/wide_text.h"
#include "host/paths.h"

namespace altostrat {

std::string ModuleFolder(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return "";
        }
        if (length < path.size()) {  // a cut path fills the buffer exactly
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return "";
        }
        path.resize(path.size() * 2);
    }
    return FolderOfPath(Narrow(path));
}

std::string ProgramFolder() {
    return ModuleFolder(nullptr);
}

}  // namespace altostrat
