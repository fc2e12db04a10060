#include "common/win32/user_clock_format.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// "" when it cannot be read.
std::string UserLocaleText(LCTYPE type) {
    wchar_t text[96] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 96);
    return length > 1 ? Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)))
                      : std::string();
}

}  // namespace

ClockFormat UserClockFormat() {
    ClockFormat format;
    const std::string picture = UserLocaleText(LOCALE_STIMEFORMAT);
    if (!picture.empty()) {
        format.picture = picture;
        format.am = UserLocaleText(LOCALE_S1159);
        format.pm = UserLocaleText(LOCALE_S2359);
    }
    return format;
}

}  // namespace altostrat
