#pragma once
// The settings dialog's font: in Japanese "ＭＳ Ｐゴシック" at 9.75 points for the display's DPI,
// or, where that face is missing, the system's Japanese user-interface font at the same size; in
// English the system's user-interface font (Segoe UI, else the one of Windows' message boxes) at
// 9 points, the size Windows' own dialogs use, which a Windows without the Japanese fonts has.

#include <windows.h>

#include <string>

#include "common/ui_language.h"

namespace altostrat {

// True when a font family of exactly this face is installed (or stands in under that name).
bool FontFaceExists(const std::wstring& face);

HFONT CreateDialogFont(int dpi, bool underlined, UiLanguage language);

}  // namespace altostrat
