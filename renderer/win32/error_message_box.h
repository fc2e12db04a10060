#pragma once
// The renderer's one message to the user: a failed bitmap load, shown in a modal box.

#include <string>

namespace altostrat {

// UTF-8 text as the wide entry points take it. Invalid sequences become U+FFFD.
std::wstring Utf8ToWide(const std::string& text);

// A modal message box captioned "Error" with an OK button, owned by the window that has the
// keyboard focus (no owner when none has it). Serves as the bitmap reader's error report.
void ShowErrorMessageBox(const std::string& text);

}  // namespace altostrat
