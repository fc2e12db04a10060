#include "common/win32/ui_language.h"

#include <windows.h>

#include <string>
#include <vector>

#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// GetUserPreferredUILanguages came with Windows Vista and is missing from older import
// libraries, so it is found by name; MUI_LANGUAGE_NAME gives names such as "ja-JP".
using PreferredLanguagesCall = BOOL(WINAPI*)(DWORD, PULONG, PZZWSTR, PULONG);
constexpr DWORD kLanguageNames = 0x8;  // MUI_LANGUAGE_NAME

std::vector<std::string> PreferredLanguages() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto call = kernel == nullptr
                          ? nullptr
                          : reinterpret_cast<PreferredLanguagesCall>(reinterpret_cast<void*>(
                                GetProcAddress(kernel, "GetUserPreferredUILanguages")));
    std::vector<std::string> names;
    ULONG count = 0;
    ULONG size = 0;
    if (call == nullptr || !call(kLanguageNames, &count, nullptr, &size) || size == 0) {
        return names;
    }
    std::wstring list(size, L'\0');
    if (!call(kLanguageNames, &count, &list[0], &size)) {
        return names;
    }
    // A list of names each ended by a NUL, the whole ended by one more.
    for (std::size_t start = 0; start < list.size() && list[start] != L'\0';) {
        const std::size_t end = list.find(L'\0', start);
        names.push_back(Narrow(list.substr(start, end - start)));
        start = end == std::wstring::npos ? list.size() : end + 1;
    }
    return names;
}

}  // namespace

UiLanguage UserUiLanguage() {
    std::vector<std::string> names = PreferredLanguages();
    if (names.empty()) {
        // Where the list cannot be had, the one display language Windows has always told.
        names.push_back(PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? "ja" : "");
    }
    return LanguageForPreferred(names);
}

}  // namespace altostrat
