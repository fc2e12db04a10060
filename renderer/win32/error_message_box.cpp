#include "renderer/win32/error_message_box.h"

#include <windows.h>

#include "common/win32/wide_text.h"

namespace altostrat {

void ShowErrorMessageBox(const std::string& text) {
    MessageBoxW(GetFocus(), Wide(text).c_str(), L"Error", MB_OK);
}

}  // namespace altostrat
