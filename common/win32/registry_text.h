#pragma once
// A text value of the user's own registry, of any length: the chosen screensaver, the keeper's
// sign-in entry, the wallpaper's style.

#include <string>

namespace altostrat {

// The user's desktop settings: the screensaver's and the wallpaper's values.
inline constexpr wchar_t kDesktopSettingsKey[] = L"Control Panel\\Desktop";

// The REG_SZ (or REG_EXPAND_SZ, expanded) value NAME of HKEY_CURRENT_USER\KEY; "" when there is
// none or it cannot be read.
std::wstring UserRegistryText(const wchar_t* key, const wchar_t* name);

}  // namespace altostrat
