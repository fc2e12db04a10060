#pragma once
// The settings dialog's window, shared by its three files: the form's state, the pixel arithmetic
// at the dialog's DPI, the persistent picture behind the controls
// (settings_dialog_window_picture.cpp) and the choice and check-box rows
// (settings_dialog_window_rows.cpp).

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "host/controls/command_button.h"
#include "host/controls/win32/command_button_window.h"
#include "host/dialog/dialog_controls.h"
#include "host/dialog/settings_dialog.h"
#include "host/host_state.h"

namespace altostrat::settings_window {

constexpr wchar_t kChoiceClass[] = L"AltostratChoice";
constexpr int kFirstChoiceId = 201;  // by music kind
constexpr int kFirstScreenId = 211;  // by 画面 choice
constexpr int kAircraftId = 221;
constexpr int kSkyId = 222;
constexpr int kKeeperId = 223;
constexpr int kClockId = 224;
constexpr int kFirstSceneryId = 231;  // by 景色 choice
constexpr int kSceneryFolderId = 233;
constexpr int kMarkPixels = 12;  // the marks' own size, at 96 DPI

// The form Altostrat_P: its logic's state, its windows and the GDI objects it draws with.
struct SettingsDialogWindow {
    explicit SettingsDialogWindow(HostState& state)
        : host(state), texts(TextsFor(state.language)) {}
    HostState& host;
    const HostTexts& texts;  // in the user's language
    DialogGrowth growth;     // for captions longer than the design's, at the current DPI
    SettingsDialogForm form;
    int dpi = 96;
    HWND window = nullptr;
    HWND combo = nullptr;
    std::array<HWND, 3> choices{};
    std::array<HWND, 3> screenChoices{};
    HWND aircraftBox = nullptr;
    HWND skyBox = nullptr;
    HWND keeperBox = nullptr;
    HWND clockBox = nullptr;
    std::array<HWND, 2> sceneryChoices{};
    HWND sceneryFolderBox = nullptr;
    bool keeperWasOn = false;                // the keeper's entry as the dialog found it
    std::array<CommandWindow, 4> buttons{};  // by DialogButton
    CommandLook look;
    HFONT linkFont = nullptr;
    HBITMAP strip = nullptr;
    std::array<HBITMAP, 2> marks{};   // unchosen, chosen
    std::array<HBITMAP, 2> checks{};  // unchecked, checked
    LinkPress linkPress;
    // The form's persistent picture: gradient, panel, strip and the drawn labels.
    HDC picture = nullptr;
    HBITMAP pictureBitmap = nullptr;
    HGDIOBJ pictureOld = nullptr;
    RECT linkRect{};
    std::int16_t AnchorX = 0;  // where the zoom effects start and end, pixels
    std::int16_t AnchorY = 0;
};

inline int Px(const SettingsDialogWindow& d, int twips) {
    return TwipsToPixels(twips, d.dpi);
}

inline RECT PixelRect(const SettingsDialogWindow& d, const TwipsRect& r) {
    return RECT{Px(d, r.left), Px(d, r.top), Px(d, r.left + r.width), Px(d, r.top + r.height)};
}

inline SettingsDialogWindow* DialogOf(HWND window) {
    return reinterpret_cast<SettingsDialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A length in the pictures' own pixels (made for 96 DPI) at the dialog's scale.
inline int Scaled(const SettingsDialogWindow& d, int pixels) {
    return MulDiv(pixels, d.dpi, 96);
}

void DrawLabel(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect,
               UINT format);
// The width of TEXT in FONT on DC, in pixels.
int TextWidth(HDC dc, HFONT font, const std::string& text);

// The form's persistent picture: gradient, panel, strip, headings and the drawn labels, for the
// current client size, DPI and path. Refresh draws it again and repaints the window.
void PaintPicture(SettingsDialogWindow& d);
void ReleasePicture(SettingsDialogWindow& d);
void RefreshPicture(SettingsDialogWindow& d);

// The rows, by their control ids: registering their class, making one (placed later) and its
// place at the dialog's DPI, from its mark to the end of its caption in the dialog's font.
void RegisterRowClass(HINSTANCE instance);
HWND CreateRow(SettingsDialogWindow& d, HINSTANCE instance, int id);
RECT RowRect(SettingsDialogWindow& d, int id);

// How much the dialog grows for the rows' captions in the current font (dialog_layout.h).
DialogGrowth MeasuredGrowth(SettingsDialogWindow& d);

}  // namespace altostrat::settings_window
