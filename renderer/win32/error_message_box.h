#pragma once
// The renderer's one message to the user: a failed bitmap load, shown in a modal box.

#include <string>

namespace altostrat {

// A modal message box captioned "Error" with an OK button, owned by the window that has the
// keyboard focus (no owner when none has it). Serves as the bitmap reader's error report.
void ShowErrorMessageBox(const std::string& text);

}  // namespace altostrat
