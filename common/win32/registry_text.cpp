#include "common/win32/registry_text.h"

#include <windows.h>

#include <vector>

namespace altostrat {

std::wstring UserRegistryText(const wchar_t* key, const wchar_t* name) {
    // REG_SZ alone: RegGetValueW then also takes a REG_EXPAND_SZ and expands it.
    const DWORD flags = RRF_RT_REG_SZ;
    // The value may grow between asking its size and reading it: asked again, a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, key, name, flags, nullptr, nullptr, &bytes) !=
                ERROR_SUCCESS ||
            bytes < sizeof(wchar_t)) {
            return {};
        }
        std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG read =
            RegGetValueW(HKEY_CURRENT_USER, key, name, flags, nullptr, text.data(), &bytes);
        if (read == ERROR_SUCCESS) {
            return std::wstring(text.data());
        }
        if (read != ERROR_MORE_DATA) {
            return {};
        }
    }
    return {};
}

}  // namespace altostrat
