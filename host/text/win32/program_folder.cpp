#include "host/text/win32/program_folder.h"

#include "common/win32/wide_text.h"
#include "host/text/paths.h"

namespace altostrat {
namespace {

// The module's path as Windows reports it; long paths are read whole. Empty when it cannot be.
std::wstring ModulePathWide(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return L"";
        }
        if (length < path.size()) {  // a cut path fills the buffer exactly
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return L"";
        }
        path.resize(path.size() * 2);
    }
}

// GetLongPathNameW or GetShortPathNameW of path; empty when the conversion fails.
template <typename Convert>
std::wstring ConvertedPath(const std::wstring& path, Convert convert) {
    const DWORD size = convert(path.c_str(), nullptr, 0);
    if (size == 0) {
        return L"";
    }
    std::wstring converted(size, L'\0');
    const DWORD length = convert(path.c_str(), converted.data(), size);
    if (length == 0 || length >= size) {
        return L"";
    }
    converted.resize(length);
    return converted;
}

}  // namespace

std::string ModuleFolder(HMODULE module) {
    const std::wstring path = ModulePathWide(module);
    return path.empty() ? "" : FolderOfPath(Narrow(path));
}

std::string ProgramFolder() {
    return ModuleFolder(nullptr);
}

std::vector<std::string> ProgramPathForms() {
    const std::wstring path = ModulePathWide(nullptr);
    std::vector<std::string> forms;
    if (path.empty()) {
        return forms;
    }
    forms.push_back(Narrow(path));
    for (const std::wstring& other :
         {ConvertedPath(path, GetLongPathNameW), ConvertedPath(path, GetShortPathNameW)}) {
        if (!other.empty() && other != path) {
            forms.push_back(Narrow(other));
        }
    }
    return forms;
}

}  // namespace altostrat
