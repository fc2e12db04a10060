#include "host/dialog/win32/dialog_font.h"

#include "common/win32/wide_text.h"
#include "host/controls/command_button.h"

namespace altostrat {

namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

std::wstring MessageFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont.lfFaceName;
}

std::wstring EnglishFace() {
    return FontFaceExists(L"Segoe UI") ? L"Segoe UI" : MessageFace();
}

std::wstring JapaneseFace() {
    const std::wstring design = Wide(kCommandDesignFont);
    if (FontFaceExists(design)) {
        return design;
    }
    for (const wchar_t* face : {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}) {
        if (FontFaceExists(face)) {
            return face;
        }
    }
    return MessageFace();
}

}  // namespace

bool FontFaceExists(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HFONT CreateDialogFont(int dpi, bool underlined, UiLanguage language) {
    const bool japanese = language == UiLanguage::kJapanese;
    const std::wstring face = japanese ? JapaneseFace() : EnglishFace();
    // 9.75 or 9 points: the character height in pixels, negative for the em height.
    const int height = -MulDiv(japanese ? 975 : 900, dpi, 7200);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underlined ? TRUE : FALSE, FALSE,
                       japanese ? SHIFTJIS_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face.c_str());
}

}  // namespace altostrat
