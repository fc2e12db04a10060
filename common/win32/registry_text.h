#pragma once
// A text value of the user's own registry, of any length: the chosen screensaver, the keeper's
// sign-in entry, the wallpaper's style.

#include <string>

namespace altostrat {

// The REG_SZ (or REG_EXPAND_SZ, expanded) value NAME of HKEY_CURRENT_USER\KEY; "" when there is
// none or it cannot be read.
std::wstring UserRegistryText(const wchar_t* key, const wchar_t* name);

}  // namespace altostrat
