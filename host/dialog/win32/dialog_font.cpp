#include "host/dialog/win32/dialog_font.h"

#include "common/win32/wide_text.h"
#include "host/controls/command_button.h"

namespace altostrat {

namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

std::wstring ChosenFace() {
    const std::wstring design = Wide(kCommandDesignFont);
    if (FontFaceExists(design)) {
        return design;
    }
    for (const wchar_t* face : {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}) {
        if (FontFaceExists(face)) {
            return face;
        }
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont.lfFaceName;
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

HFONT CreateDialogFont(int dpi, bool underlined) {
    static const std::wstring face = ChosenFace();
    // 9.75 points: the character height in pixels, negative for the em height.
    const int height = -MulDiv(975, dpi, 7200);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underlined ? TRUE : FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace altostrat
