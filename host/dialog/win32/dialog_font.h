#pragma once
// The settings dialog's font: "ＭＳ Ｐゴシック" at 9.75 points for the display's DPI, or, where
// that face is missing, the system's Japanese user-interface font at the same size.

#include <windows.h>

#include <string>

namespace altostrat {

// True when a font family of exactly this face is installed (or stands in under that name).
bool FontFaceExists(const std::wstring& face);

HFONT CreateDialogFont(int dpi, bool underlined);

}  // namespace altostrat
