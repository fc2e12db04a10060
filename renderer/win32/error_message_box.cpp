#include "error_message_box.h"

#include <windows.h>

namespace altostrat {

std::wstring Utf8ToWide(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

void ShowErrorMessageBox(const std::string& text) {
    MessageBoxW(GetFocus(), Utf8ToWide(text).c_str(), L"Error", MB_OK);
}

}  // namespace altostrat
