#include "host/win32/settings_dialog_window.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <vector>

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
constexpr int kFirstScreenId = 211;  // by 画面 choice
constexpr int kAircraftId = 221;
constexpr int kRepeatComboId = 301;
constexpr int kMarkPixels = 12;
constexpr COLORREF kPanelColour = RGB(224, 224, 224);
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
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
    std::array<HWND, 2> screenChoices{};
    HWND aircraftBox = nullptr;
    std::array<CommandWindow, 3> buttons{};
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

// A length in the pictures' own pixels (made for 96 DPI) at the dialog's scale.
int Scaled(const SettingsDialogWindow& d, int pixels) {
    return MulDiv(pixels, d.dpi, 96);
}

// TileBackground: the strip copied over the panel column by column, at the display's scale, so
// a scaled panel shows the same one gradient as at 100 % rather than the strip's end and a
// second light start.
void TileBackground(SettingsDialogWindow& d, HDC dc, const RECT& panel) {
    const HBRUSH brush = CreateSolidBrush(kPanelColour);
    FillRect(dc, &panel, brush);
    DeleteObject(brush);
    const SIZE strip = BitmapSize(d.strip);
    const int width = Scaled(d, strip.cx);
    const int height = Scaled(d, strip.cy);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, d.strip);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, panel.left, panel.top, panel.right, panel.bottom);
    SetStretchBltMode(dc, width == strip.cx ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    for (const PixelPoint& at :
         TilePositions(panel.right - panel.left, panel.bottom - panel.top, width, height)) {
        StretchBlt(dc, panel.left + at.x, panel.top + at.y, width, height, source, 0, 0, strip.cx,
                   strip.cy, SRCCOPY);
    }
    RestoreDC(dc, saved);
    SelectObject(source, old);
    DeleteDC(source);
}

// A frame THICKNESS pixels wide just inside RECT.
void Frame(HDC dc, RECT rect, int thickness, HBRUSH brush) {
    for (int i = 0; i < thickness && rect.right > rect.left && rect.bottom > rect.top; ++i) {
        FrameRect(dc, &rect, brush);
        InflateRect(&rect, -1, -1);
    }
}

// The framed heading box of a section (Shape3 and lbl(15) for "BGM").
void DrawHeading(SettingsDialogWindow& d, HDC dc, const TwipsRect& shapePlace,
                 const TwipsRect& labelPlace, const char* caption) {
    const RECT shape = PixelRect(d, shapePlace);
    const HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    Frame(dc, shape, Scaled(d, 1), grey);
    DeleteObject(grey);
    DrawLabel(dc, d.look.font, RGB(0, 0, 0), caption, PixelRect(d, labelPlace),
              DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
}

int TextWidth(HDC dc, HFONT font, const std::string& text) {
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    return size.cx;
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

    DrawHeading(d, dc, kHeadingShapePlace, kHeadingPlace, kHeadingCaption);
    DrawHeading(d, dc, kScreenHeadingShapePlace, kScreenHeadingPlace, kScreenHeadingCaption);

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    DrawLabel(dc, d.look.font, black, kRepeatCaption, PixelRect(d, kRepeatCaptionPlace),
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);

    // lbl_Fname: a single-line border round the path, which wraps inside it.
    const RECT fileLabel = PixelRect(d, kFileLabelPlace);
    Frame(dc, fileLabel, Scaled(d, 1), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT fileText = fileLabel;
    InflateRect(&fileText, -Scaled(d, 2), -Scaled(d, 2));
    DrawLabel(dc, d.look.font, black, d.form.fileLabel, fileText,
              DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);

    // The credit line, measured in the font the dialog got: the longest wording that ends before
    // 設定, and whatever is drawn is cut there.
    const int room = Px(d, kCreditRoomTwips);
    std::vector<int> widths;
    for (const char* caption : kCreditCaptions) {
        widths.push_back(TextWidth(dc, d.look.font, caption));
    }
    RECT credit = PixelRect(d, kCreditPlace);
    credit.right = credit.left + room;
    DrawLabel(dc, d.look.font, white, kCreditCaptions[FittingText(widths, room)], credit,
              DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    // lbl_URL, sized to its text: the pointing hand and the click follow that size.
    RECT link = PixelRect(d, kLinkPlace);
    const HGDIOBJ oldFont = SelectObject(dc, d.linkFont);
    const std::wstring url = Wide(kHomePage);
    DrawTextW(dc, url.c_str(), -1, &link, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    link.right = std::min<LONG>(link.right, link.left + room);
    d.linkRect = link;
    DrawLabel(dc, d.linkFont, white, kHomePage, link, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void RefreshPicture(SettingsDialogWindow& d) {
    PaintPicture(d);
    RedrawWindow(d.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// ---- the rows: the music and 画面 choices (a mark and its caption, chosen by any mouse button
// or the keyboard) and the aircraft's check box ----

enum class RowGroup { kMusic, kScreen, kAircraft };

struct RowOf {
    RowGroup group;
    int index;  // music kind, or 画面 choice
};

RowOf RowFromId(int id) {
    if (id >= kFirstChoiceId && id < kFirstChoiceId + 3) {
        return {RowGroup::kMusic, id - kFirstChoiceId};
    }
    if (id >= kFirstScreenId && id < kFirstScreenId + 2) {
        return {RowGroup::kScreen, id - kFirstScreenId};
    }
    return {RowGroup::kAircraft, 0};
}

const ChoicePlace& PlaceOfRow(const RowOf& row) {
    switch (row.group) {
        case RowGroup::kMusic:
            return ChoiceRow(row.index);
        case RowGroup::kScreen:
            return ScreenRow(row.index);
        case RowGroup::kAircraft:
        default:
            return kAircraftRow;
    }
}

HBITMAP MarkOfRow(const SettingsDialogWindow& d, const RowOf& row) {
    switch (row.group) {
        case RowGroup::kMusic:
            return d.marks[d.form.chosenMark[row.index] ? 1 : 0];
        case RowGroup::kScreen:
            return d.marks[d.form.screenMark[row.index] ? 1 : 0];
        case RowGroup::kAircraft:
        default:
            return d.checks[d.form.aircraftChecked ? 1 : 0];
    }
}

// The row an arrow key moves to within the row's group, in the order the rows stand on the
// panel; the check box stands alone.
HWND NextInGroup(const SettingsDialogWindow& d, const RowOf& row, bool forward) {
    if (row.group == RowGroup::kMusic) {
        static const int order[3] = {1, 0, 2};
        int at = 0;
        while (order[at] != row.index) {
            ++at;
        }
        return d.choices[order[(at + (forward ? 1 : 2)) % 3]];
    }
    if (row.group == RowGroup::kScreen) {
        return d.screenChoices[1 - row.index];
    }
    return nullptr;
}

void PaintRow(HWND window, HWND parent, SettingsDialogWindow& d, const RowOf& row, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    SendMessageW(parent, kPaintParentBackground, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window));
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, MarkOfRow(d, row));
    const int size = Scaled(d, kMarkPixels);
    SetStretchBltMode(dc, size == kMarkPixels ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    TransparentBlt(dc, 0, 0, size, size, source, 0, 0, kMarkPixels, kMarkPixels, RGB(255, 0, 255));
    SelectObject(source, old);
    DeleteDC(source);
    const ChoicePlace& place = PlaceOfRow(row);
    RECT text = client;
    text.left = Px(d, place.caption.left - place.mark.left);
    DrawLabel(dc, d.look.font, RGB(0, 0, 0), place.text, text, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    if (GetFocus() == window) {
        RECT focus = text;
        InflateRect(&focus, 1, 0);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK ChoiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND parent = GetParent(window);
    SettingsDialogWindow* d = parent ? DialogOf(parent) : nullptr;
    const RowOf row = RowFromId(GetDlgCtrlID(window));
    auto act = [&](HWND target) {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), 0),
                     reinterpret_cast<LPARAM>(target));
    };
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window, &ps);
            if (d) {
                PaintRow(window, parent, *d, row, dc);
            }
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            // The keyboard goes on from the row clicked, as with Windows' own choices.
            SetFocus(window);
            act(window);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // Any button chooses a music or 画面 row; only the left one ticks the box.
            if (row.group != RowGroup::kAircraft) {
                act(window);
            }
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
                if ((lParam & (1 << 30)) == 0) {  // not the key's repeat: one toggle a press
                    act(window);
                }
            } else if (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_LEFT ||
                       wParam == VK_RIGHT) {
                // Arrows move among the rows of a group as they stand and choose the next.
                const bool forward = wParam == VK_DOWN || wParam == VK_RIGHT;
                if (const HWND next = d ? NextInGroup(*d, row, forward) : nullptr) {
                    SetFocus(next);
                    act(next);
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
    for (HWND choice : d.screenChoices) {
        InvalidateRect(choice, nullptr, FALSE);
    }
    InvalidateRect(d.aircraftBox, nullptr, FALSE);
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
        const std::string why =
            RefusalOf(picked->path) == PathRefusal::kTooLong
                ? u8"このファイルの場所は長すぎて、設定ファイルに書けません。\n"
                  u8"もっと短い場所のファイルを選んでください。\n\n"
                : u8"このファイルの場所には、設定ファイルに書けない文字が含まれています。\n"
                  u8"別の場所のファイルを選んでください。\n\n";
        const std::wstring text = Wide(why + picked->path);
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
    } else if (id >= kFirstScreenId && id < kFirstScreenId + 2) {
        ChooseScreen(d.form, d.host.settings, static_cast<std::int16_t>(id - kFirstScreenId));
        ShowChoiceControls(d);
    } else if (id == kAircraftId) {
        ToggleAircraft(d.form, d.host.settings);
        ShowChoiceControls(d);
    }
}

void Rescale(SettingsDialogWindow& d, int dpi, const RECT& suggested);

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
        case WM_LBUTTONDOWN:
            PressLink(d->linkPress, OverLink(*d));
            if (d->linkPress.pressedOnLink) {
                SetCapture(window);  // to see the release even off the dialog
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool open = ReleaseLink(d->linkPress, OverLink(*d));
            if (GetCapture() == window) {
                ReleaseCapture();
            }
            if (open) {
                OpenHomePage(*d);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            d->linkPress.pressedOnLink = false;
            return 0;
        case WM_DPICHANGED:
            Rescale(*d, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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
    d.checks[0] = LoadPicture(instance, ALTOSTRAT_BITMAP_CHECK_UNCHECKED);
    d.checks[1] = LoadPicture(instance, ALTOSTRAT_BITMAP_CHECK_CHECKED);
}

void ReleaseFonts(SettingsDialogWindow& d) {
    DeleteObject(d.look.font);
    DeleteObject(d.linkFont);
    d.look.font = nullptr;
    d.linkFont = nullptr;
}

void ReleaseGdi(SettingsDialogWindow& d) {
    ReleasePicture(d);
    for (HBITMAP skin : d.look.skins) {
        DeleteObject(skin);
    }
    DeleteObject(d.strip);
    for (HBITMAP mark : {d.marks[0], d.marks[1], d.checks[0], d.checks[1]}) {
        DeleteObject(mark);
    }
    ReleaseFonts(d);
}

// The fonts and the buttons' look for the dialog's DPI.
void UseDpi(SettingsDialogWindow& d, int dpi) {
    d.dpi = dpi;
    d.look.dpi = dpi;
    d.look.font = CreateDialogFont(dpi, false);
    d.linkFont = CreateDialogFont(dpi, true);
}

int DisplayDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The DPI of the monitor the window is on, where Windows can tell (GetDpiForWindow, looked up
// at run time: it exists from Windows 10 1607); else the display's.
int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : DisplayDpi();
}

// The place of a row: from its mark to the end of its caption in the dialog's font.
RECT RowRect(SettingsDialogWindow& d, const ChoicePlace& place) {
    const RECT mark = PixelRect(d, place.mark);
    const HDC screen = GetDC(d.window);
    const HGDIOBJ old = SelectObject(screen, d.look.font);
    SIZE text{};
    const std::wstring caption = Wide(place.text);
    GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &text);
    SelectObject(screen, old);
    ReleaseDC(d.window, screen);
    const int width = Px(d, place.caption.left - place.mark.left) + text.cx + 2;
    const int height = std::max<int>(mark.bottom - mark.top, text.cy);
    return RECT{mark.left, mark.top, mark.left + width, mark.top + height};
}

void MoveTo(HWND window, const RECT& place) {
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateRow(SettingsDialogWindow& d, HINSTANCE instance, const ChoicePlace& place, int id) {
    return CreateWindowExW(0, kChoiceClass, Wide(place.text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, d.window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void CreateButton(SettingsDialogWindow& d, DialogButton which) {
    const int index = static_cast<int>(which);
    PropertyBag data = StoredButtonData(which);
    CreateCommandWindow(d.buttons[index], d.window, kFirstButtonId + index,
                        PixelRect(d, kDialogButtons[index].place), data, d.look);
}

// Every child at its place for the dialog's DPI, in the dialog's font.
void PlaceControls(SettingsDialogWindow& d) {
    for (const DialogButtonPlace& place : kDialogButtons) {
        MoveTo(d.buttons[static_cast<int>(place.button)].window, PixelRect(d, place.place));
    }
    for (int kind = 0; kind < 3; ++kind) {
        MoveTo(d.choices[kind], RowRect(d, ChoiceRow(kind)));
    }
    for (int choice = 0; choice < 2; ++choice) {
        MoveTo(d.screenChoices[choice], RowRect(d, ScreenRow(choice)));
    }
    MoveTo(d.aircraftBox, RowRect(d, kAircraftRow));
    const RECT combo = PixelRect(d, kRepeatComboPlace);
    SendMessageW(d.combo, WM_SETFONT, reinterpret_cast<WPARAM>(d.look.font), FALSE);
    MoveTo(d.combo, RECT{combo.left, combo.top, combo.right, combo.top + Px(d, 300) * 10});
}

// The children in the order Tab visits them, which is the order they are made in: the music
// rows from the top with the combo after the audio CD, "...", the 画面 rows and the aircraft
// box, then 設定 and ｷｬﾝｾﾙ.
void CreateControls(SettingsDialogWindow& d, HINSTANCE instance) {
    d.choices[1] = CreateRow(d, instance, ChoiceRow(1), kFirstChoiceId + 1);
    d.combo = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, 0,
        0, 0, d.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRepeatComboId)), instance,
        nullptr);
    d.choices[0] = CreateRow(d, instance, ChoiceRow(0), kFirstChoiceId);
    d.choices[2] = CreateRow(d, instance, ChoiceRow(2), kFirstChoiceId + 2);
    CreateButton(d, DialogButton::kFile);
    d.screenChoices[0] = CreateRow(d, instance, ScreenRow(0), kFirstScreenId);
    d.screenChoices[1] = CreateRow(d, instance, ScreenRow(1), kFirstScreenId + 1);
    d.aircraftBox = CreateRow(d, instance, kAircraftRow, kAircraftId);
    CreateButton(d, DialogButton::kSet);
    CreateButton(d, DialogButton::kCancel);
    PlaceControls(d);
}

// WM_DPICHANGED: the dialog moved to a monitor of another scale. Fonts, every child and the
// persistent picture are made again for the new DPI, and the window takes the rectangle Windows
// suggests for it.
void Rescale(SettingsDialogWindow& d, int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == d.dpi) {
        return;
    }
    const HFONT oldFont = d.look.font;
    const HFONT oldLinkFont = d.linkFont;
    UseDpi(d, dpi);
    PlaceControls(d);
    DeleteObject(oldFont);
    DeleteObject(oldLinkFont);
    SetWindowPos(d.window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RefreshPicture(d);
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
    // A monitor of another scale than the display's (the dialog is per-monitor aware): laid out
    // again as if it had been moved there.
    const int dpi = WindowDpi(d.window);
    if (dpi != d.dpi) {
        RECT scaled{0, 0, MulDiv(width, dpi, d.dpi), MulDiv(height, dpi, d.dpi)};
        OffsetRect(&scaled, at.x, at.y);
        Rescale(d, dpi, scaled);
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
    UseDpi(d, DisplayDpi());
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
