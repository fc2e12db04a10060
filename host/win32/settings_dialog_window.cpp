#include "host/win32/settings_dialog_window.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <array>

#include "common/agreement.h"
#include "common/win32/wide_text.h"
#include "host/paths.h"
#include "host/settings/dialog_controls.h"
#include "host/settings/settings_dialog.h"
#include "host/win32/command_button_window.h"
#include "host/win32/dialog_font.h"
#include "host/win32/file_chooser.h"
#include "host/win32/resource_ids.h"
#include "host/win32/zoom.h"

namespace altostrat {

namespace {

constexpr wchar_t kDialogClass[] = L"AltostratSettings";
constexpr wchar_t kChoiceClass[] = L"AltostratChoice";
constexpr int kFirstButtonId = 101;  // Cmd_File, Cmd_Set, Cmd_Can; clear of IDOK and IDCANCEL
constexpr int kFirstChoiceId = 201;  // by music kind
constexpr int kRepeatComboId = 301;
constexpr int kMarkPixels = 12;
constexpr COLORREF kPanelColour = RGB(224, 224, 224);
constexpr DWORD kDialogStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct SettingsDialogWindow;

class FileStore : public SettingsStore {
  public:
    explicit FileStore(std::string path) : path_(std::move(path)) {}
    bool Save(const HostSettings& settings) override { return SaveSettings(settings, path_); }

  private:
    std::string path_;
};

// The form Altostrat_P: its logic's state, its windows and the GDI objects it draws with.
struct SettingsDialogWindow {
    explicit SettingsDialogWindow(HostState& state) : host(state) {}
    HostState& host;
    SettingsDialogForm form;
    int dpi = 96;
    HWND window = nullptr;
    HWND combo = nullptr;
    std::array<HWND, 3> choices{};
    std::array<CommandWindow, 3> buttons{};
    CommandLook look;
    HFONT linkFont = nullptr;
    HBITMAP strip = nullptr;
    std::array<HBITMAP, 2> marks{};
    // The form's persistent picture: gradient, panel, strip and the drawn labels.
    HDC picture = nullptr;
    HBITMAP pictureBitmap = nullptr;
    HGDIOBJ pictureOld = nullptr;
    RECT linkRect{};
};

int Px(const SettingsDialogWindow& d, int twips) {
    return TwipsToPixels(twips, d.dpi);
}

RECT PixelRect(const SettingsDialogWindow& d, const TwipsRect& r) {
    return RECT{Px(d, r.left), Px(d, r.top), Px(d, r.left + r.width), Px(d, r.top + r.height)};
}

SettingsDialogWindow* DialogOf(HWND window) {
    return reinterpret_cast<SettingsDialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

void DrawLabel(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT rect,
               UINT format) {
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), -1, &rect, format | DT_NOPREFIX);
    SelectObject(dc, old);
}

// The gradient of the form's background, one line per pixel row; nothing when minimised.
void PaintGradientRows(HDC dc, int width, int height) {
    const std::vector<std::uint8_t> rows = GradientRows(height);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int c = rows[i];
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(c, c, c + 30));
        const HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, static_cast<int>(i), nullptr);
        LineTo(dc, width, static_cast<int>(i));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

// TileBackground: the strip copied over the panel column by column.
void TileBackground(SettingsDialogWindow& d, HDC dc, const RECT& panel) {
    const HBRUSH brush = CreateSolidBrush(kPanelColour);
    FillRect(dc, &panel, brush);
    DeleteObject(brush);
    const SIZE strip = BitmapSize(d.strip);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, d.strip);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, panel.left, panel.top, panel.right, panel.bottom);
    for (const PixelPoint& at :
         TilePositions(panel.right - panel.left, panel.bottom - panel.top, strip.cx, strip.cy)) {
        BitBlt(dc, panel.left + at.x, panel.top + at.y, strip.cx, strip.cy, source, 0, 0, SRCCOPY);
    }
    RestoreDC(dc, saved);
    SelectObject(source, old);
    DeleteDC(source);
}

void ReleasePicture(SettingsDialogWindow& d) {
    if (d.picture) {
        SelectObject(d.picture, d.pictureOld);
        DeleteObject(d.pictureBitmap);
        DeleteDC(d.picture);
        d.picture = nullptr;
        d.pictureBitmap = nullptr;
    }
}

// Draws the whole persistent picture for the current client size and label texts.
void PaintPicture(SettingsDialogWindow& d) {
    RECT client{};
    GetClientRect(d.window, &client);
    ReleasePicture(d);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const HDC screen = GetDC(d.window);
    d.picture = CreateCompatibleDC(screen);
    d.pictureBitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(d.window, screen);
    d.pictureOld = SelectObject(d.picture, d.pictureBitmap);
    const HDC dc = d.picture;

    const HBRUSH back = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &client, back);
    DeleteObject(back);
    PaintGradientRows(dc, client.right, client.bottom);
    TileBackground(d, dc, PixelRect(d, kPanelPlace));

    // Shape3, the frame behind the heading.
    const RECT shape = PixelRect(d, kHeadingShapePlace);
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, shape.left, shape.top, shape.right, shape.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    DrawLabel(dc, d.look.font, black, kHeadingCaption, PixelRect(d, kHeadingPlace),
              DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
    DrawLabel(dc, d.look.font, black, kRepeatCaption, PixelRect(d, kRepeatCaptionPlace),
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);

    // lbl_Fname: a single-line border round the path, which wraps inside it.
    const RECT fileLabel = PixelRect(d, kFileLabelPlace);
    FrameRect(dc, &fileLabel, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT fileText = fileLabel;
    InflateRect(&fileText, -2, -2);
    DrawLabel(dc, d.look.font, black, d.form.fileLabel, fileText,
              DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);

    DrawLabel(dc, d.look.font, white, kCreditCaption, PixelRect(d, kCreditPlace),
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    // lbl_URL, sized to its text: the pointing hand and the click follow that size.
    RECT link = PixelRect(d, kLinkPlace);
    const HGDIOBJ oldFont = SelectObject(dc, d.linkFont);
    const std::wstring url = Wide(kHomePage);
    DrawTextW(dc, url.c_str(), -1, &link, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    d.linkRect = link;
    DrawLabel(dc, d.linkFont, white, kHomePage, link, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
}

void RefreshPicture(SettingsDialogWindow& d) {
    PaintPicture(d);
    RedrawWindow(d.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// ---- the choice rows: a mark and its caption, chosen by any mouse button or the keyboard ----

LRESULT CALLBACK ChoiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND parent = GetParent(window);
    SettingsDialogWindow* d = parent ? DialogOf(parent) : nullptr;
    const int kind = GetDlgCtrlID(window) - kFirstChoiceId;
    auto choose = [&] {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), 0),
                     reinterpret_cast<LPARAM>(window));
    };
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window, &ps);
            if (d) {
                RECT client{};
                GetClientRect(window, &client);
                SendMessageW(parent, kPaintParentBackground, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(window));
                const HBITMAP mark = d->marks[d->form.chosenMark[kind] ? 1 : 0];
                const HDC source = CreateCompatibleDC(dc);
                const HGDIOBJ old = SelectObject(source, mark);
                const int size = MulDiv(kMarkPixels, d->dpi, 96);
                TransparentBlt(dc, 0, 0, size, size, source, 0, 0, kMarkPixels, kMarkPixels,
                               RGB(255, 0, 255));
                SelectObject(source, old);
                DeleteDC(source);
                const ChoicePlace& row = ChoiceRow(kind);
                RECT text = client;
                text.left = Px(*d, row.caption.left - row.mark.left);
                DrawLabel(dc, d->look.font, RGB(0, 0, 0), row.text, text,
                          DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
                if (GetFocus() == window) {
                    RECT focus = text;
                    InflateRect(&focus, 1, 0);
                    DrawFocusRect(dc, &focus);
                }
            }
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            choose();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE: {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
            return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE || wParam == VK_RETURN) {
                choose();
            } else if (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_LEFT ||
                       wParam == VK_RIGHT) {
                // Arrows move among the rows as they stand on the panel and choose the next.
                static const int order[3] = {1, 0, 2};
                int at = 0;
                while (order[at] != kind) {
                    ++at;
                }
                const int step = (wParam == VK_UP || wParam == VK_LEFT) ? 2 : 1;
                const HWND next = d ? d->choices[order[(at + step) % 3]] : nullptr;
                if (next) {
                    SetFocus(next);
                    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), 0),
                                 reinterpret_cast<LPARAM>(next));
                }
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// ---- the form's events ----

void ShowChoiceControls(SettingsDialogWindow& d) {
    EnableWindow(d.combo, d.form.repeatEnabled);
    SetCommandEnabled(d.buttons[0], d.form.fileButtonEnabled);
    for (HWND choice : d.choices) {
        InvalidateRect(choice, nullptr, FALSE);
    }
}

void ChooseKind(SettingsDialogWindow& d, int kind) {
    ChooseMusicKind(d.form, d.host.settings, static_cast<std::int16_t>(kind));
    ShowChoiceControls(d);
}

// Every way the dialog closes: the outline shrinks back while the window is still there.
void CloseDialog(SettingsDialogWindow& d) {
    ZoomClose(d.host, d.window);
    DestroyWindow(d.window);
}

void PickFile(SettingsDialogWindow& d) {
    const std::optional<PickedFile> picked = ChooseMusicFile(d.host, d.window);
    if (!picked) {
        return;
    }
    const std::optional<std::string> storable = StorablePath(picked->path, picked->shortPath);
    if (!storable) {
        const std::wstring text = Wide(
            u8"このファイルの場所には、設定ファイルに書けない文字が含まれています。\n"
            u8"別の場所のファイルを選んでください。\n\n" +
            picked->path);
        MessageBoxW(d.window, text.c_str(), Wide(kSettingsDialogTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
        return;
    }
    TakePickedFile(d.form, d.host.settings, *storable);
    RefreshPicture(d);
}

void Confirm(SettingsDialogWindow& d) {
    wchar_t text[64] = {};
    GetWindowTextW(d.combo, text, 64);
    d.form.repeatText = Narrow(text);
    FileStore store(SettingsPath(d.host.programFolder));
    if (!ConfirmSettings(d.form, d.host.settings, store)) {
        const std::wstring message = Wide(
            u8"設定を保存できませんでした。\nアルトストラト.ini のあるフォルダーに書き込めるか"
            u8"確かめてください。\n\n" +
            SettingsPath(d.host.programFolder));
        MessageBoxW(d.window, message.c_str(), Wide(kSettingsDialogTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
        return;
    }
    CloseDialog(d);
}

void OpenHomePage(SettingsDialogWindow& d) {
    const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    ShellExecuteW(d.window, L"open", Wide(kHomePage).c_str(), L"", L"", SW_SHOWNORMAL);
    SetCursor(old);
}

void OnCommand(SettingsDialogWindow& d, int id) {
    if (id == IDCANCEL || id == kFirstButtonId + 2) {  // Escape or "ｷｬﾝｾﾙ"
        CancelSettings(d.form);
        CloseDialog(d);
    } else if (id == kFirstButtonId) {
        PickFile(d);
    } else if (id == kFirstButtonId + 1) {
        Confirm(d);
    } else if (id >= kFirstChoiceId && id < kFirstChoiceId + 3) {
        ChooseKind(d, id - kFirstChoiceId);
    }
}

bool OverLink(SettingsDialogWindow& d) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(d.window, &pointer);
    return PtInRect(&d.linkRect, pointer) != FALSE;
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    SettingsDialogWindow* d = DialogOf(window);
    if (!d) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window, &ps);
            if (d->picture) {
                BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                       ps.rcPaint.bottom - ps.rcPaint.top, d->picture, ps.rcPaint.left,
                       ps.rcPaint.top, SRCCOPY);
            }
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            if (d->window) {
                RefreshPicture(*d);
            }
            return 0;
        case kPaintParentBackground: {
            const HWND child = reinterpret_cast<HWND>(lParam);
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
            if (d->picture) {
                BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, place.right - place.left,
                       place.bottom - place.top, d->picture, place.left, place.top, SRCCOPY);
            }
            return 0;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        case WM_COMMAND:
            if (lParam == 0 || reinterpret_cast<HWND>(lParam) != d->combo) {
                OnCommand(*d, LOWORD(wParam));
            }
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT &&
                OverLink(*d)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_LBUTTONUP:
            if (OverLink(*d)) {
                OpenHomePage(*d);
            }
            return 0;
        case WM_CLOSE:  // the close box and the system menu act like "ｷｬﾝｾﾙ"
            CancelSettings(d->form);
            CloseDialog(*d);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSW dialogClass{};
    dialogClass.lpfnWndProc = DialogProc;
    dialogClass.hInstance = instance;
    dialogClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ALTOSTRAT_ICON));
    dialogClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    dialogClass.lpszClassName = kDialogClass;
    RegisterClassW(&dialogClass);

    WNDCLASSW choiceClass{};
    choiceClass.lpfnWndProc = ChoiceProc;
    choiceClass.hInstance = instance;
    choiceClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    choiceClass.lpszClassName = kChoiceClass;
    RegisterClassW(&choiceClass);
}

HBITMAP LoadPicture(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void LoadPictures(SettingsDialogWindow& d, HINSTANCE instance) {
    for (int i = 0; i < 6; ++i) {
        d.look.skins[i] = LoadPicture(instance, ALTOSTRAT_BITMAP_SKIN_FIRST + i);
    }
    d.strip = LoadPicture(instance, ALTOSTRAT_BITMAP_DIALOG_STRIP);
    d.marks[0] = LoadPicture(instance, ALTOSTRAT_BITMAP_CHOICE_UNCHOSEN);
    d.marks[1] = LoadPicture(instance, ALTOSTRAT_BITMAP_CHOICE_CHOSEN);
}

void ReleaseGdi(SettingsDialogWindow& d) {
    ReleasePicture(d);
    for (HBITMAP skin : d.look.skins) {
        DeleteObject(skin);
    }
    DeleteObject(d.strip);
    DeleteObject(d.marks[0]);
    DeleteObject(d.marks[1]);
    DeleteObject(d.look.font);
    DeleteObject(d.linkFont);
}

int DisplayDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void CreateControls(SettingsDialogWindow& d, HINSTANCE instance) {
    for (const DialogButtonPlace& place : kDialogButtons) {
        const int index = static_cast<int>(place.button);
        PropertyBag data = StoredButtonData(place.button);
        CreateCommandWindow(d.buttons[index], d.window, kFirstButtonId + index,
                            PixelRect(d, place.place), data, d.look);
    }
    // The choices in the order Tab visits them: from the top, audio CD, none, file.
    for (int kind : {1, 0, 2}) {
        const ChoicePlace& row = ChoiceRow(kind);
        const RECT mark = PixelRect(d, row.mark);
        const HDC screen = GetDC(d.window);
        const HGDIOBJ old = SelectObject(screen, d.look.font);
        SIZE text{};
        const std::wstring caption = Wide(row.text);
        GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &text);
        SelectObject(screen, old);
        ReleaseDC(d.window, screen);
        const int width = Px(d, row.caption.left - row.mark.left) + text.cx + 2;
        const int height = std::max<int>(mark.bottom - mark.top, text.cy);
        d.choices[kind] =
            CreateWindowExW(0, kChoiceClass, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                            mark.left, mark.top, width, height, d.window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChoiceId + kind)),
                            instance, nullptr);
    }
    const RECT combo = PixelRect(d, kRepeatComboPlace);
    d.combo = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
        combo.left, combo.top, combo.right - combo.left, Px(d, 300) * 10, d.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRepeatComboId)), instance, nullptr);
    SendMessageW(d.combo, WM_SETFONT, reinterpret_cast<WPARAM>(d.look.font), FALSE);
    // Tab order: the buttons were made first; put them after the panel's controls.
    SetWindowPos(d.combo, d.choices[1], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND after = d.choices[2];
    for (CommandWindow& button : d.buttons) {
        SetWindowPos(button.window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = button.window;
    }
}

// Form_Load, in its order.
void LoadForm(SettingsDialogWindow& d, HINSTANCE instance) {
    // 1. Place: centred across, a third of the free height from the top.
    RECT outer{0, 0, Px(d, kDialogClientWidthTwips), Px(d, kDialogClientHeightTwips)};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const PixelPoint at =
        DialogPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
    d.window =
        CreateWindowExW(WS_EX_CONTROLPARENT, kDialogClass, Wide(kSettingsDialogTitle).c_str(),
                        kDialogStyle, at.x, at.y, width, height, nullptr, nullptr, instance, &d);
    if (!d.window) {
        return;
    }
    CreateControls(d, instance);
    // 2. InitCommandButtons.
    for (CommandWindow& button : d.buttons) {
        InitializeCommandWindow(button);
    }
    // 3 to 10: the panel's picture, the choices, the combo and the path.
    LoadSettingsDialog(d.form, d.host.settings);
    PaintPicture(d);
    ShowChoiceControls(d);
    SetWindowTextW(d.combo, Wide(d.form.repeatText).c_str());
    for (const std::string& item : d.form.repeatItems) {
        SendMessageW(d.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    // 11. The anchor of the zoom effects: the mouse position, or the top-left corner.
    POINT pointer{};
    if (GetCursorPos(&pointer)) {
        d.host.AnchorX = static_cast<std::int16_t>(pointer.x);
        d.host.AnchorY = static_cast<std::int16_t>(pointer.y);
    } else {
        d.host.AnchorX = 0;
        d.host.AnchorY = 0;
    }
    // 12. The outline grows from the mouse position to the dialog.
    ZoomOpen(d.host, d.window);
}

}  // namespace

int ShowSettingsDialog(HostState& state) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    SettingsDialogWindow d(state);
    d.dpi = DisplayDpi();
    d.look.dpi = d.dpi;
    d.look.font = CreateDialogFont(d.dpi, false);
    d.linkFont = CreateDialogFont(d.dpi, true);
    LoadPictures(d, instance);
    LoadForm(d, instance);
    if (!d.window) {
        ReleaseGdi(d);
        return 0;
    }
    ShowWindow(d.window, SW_SHOWNORMAL);
    SetForegroundWindow(d.window);
    // The keyboard starts on the first control Tab visits.
    if (const HWND first = GetNextDlgTabItem(d.window, nullptr, FALSE)) {
        SetFocus(first);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Escape and the buttons' Enter and Space go through the dialog keyboard rules.
        if (!IsWindow(d.window) || !IsDialogMessageW(d.window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    ReleaseGdi(d);
    return 0;
}

}  // namespace altostrat
