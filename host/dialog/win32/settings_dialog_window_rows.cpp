// The settings dialog's rows: the music, 画面 and 景色 choices (a mark and its caption, chosen by
// any mouse button or the keyboard) and the aircraft's, the sky's, the 景色 folder's, the
// keeper's and the clock's check boxes (the left button or Space). Each row is a child window that
// takes the keyboard focus; arrows move among the rows of a section. A row tells the form by
// WM_COMMAND with its id; the form decides and repaints the marks.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/win32/wide_text.h"
#include "host/dialog/win32/settings_dialog_window_parts.h"

namespace altostrat::settings_window {

namespace {

enum class RowGroup { kMusic, kScreen, kScenery, kAircraft, kSky, kSceneryFolder, kKeeper, kClock };

struct RowOf {
    RowGroup group;
    int index;  // music kind, 画面 choice or 景色 choice
};

RowOf RowFromId(int id) {
    if (id >= kFirstChoiceId && id < kFirstChoiceId + 3) {
        return {RowGroup::kMusic, id - kFirstChoiceId};
    }
    if (id >= kFirstScreenId && id < kFirstScreenId + 3) {
        return {RowGroup::kScreen, id - kFirstScreenId};
    }
    if (id >= kFirstSceneryId && id < kFirstSceneryId + 2) {
        return {RowGroup::kScenery, id - kFirstSceneryId};
    }
    if (id == kKeeperId) {
        return {RowGroup::kKeeper, 0};
    }
    if (id == kClockId) {
        return {RowGroup::kClock, 0};
    }
    if (id == kSceneryFolderId) {
        return {RowGroup::kSceneryFolder, 0};
    }
    return {id == kSkyId ? RowGroup::kSky : RowGroup::kAircraft, 0};
}

const ChoicePlace& PlaceOfRow(const RowOf& row) {
    switch (row.group) {
        case RowGroup::kMusic:
            return ChoiceRow(row.index);
        case RowGroup::kScreen:
            return ScreenRow(row.index);
        case RowGroup::kScenery:
            return SceneryRow(row.index);
        case RowGroup::kSceneryFolder:
            return kSceneryFolderRow;
        case RowGroup::kSky:
            return kSkyRow;
        case RowGroup::kKeeper:
            return kKeeperRow;
        case RowGroup::kClock:
            return kClockRow;
        case RowGroup::kAircraft:
        default:
            return kAircraftRow;
    }
}

const char* TextOfRow(const SettingsDialogWindow& d, const RowOf& row) {
    switch (row.group) {
        case RowGroup::kMusic:
            return d.texts.musicChoices[row.index];
        case RowGroup::kScreen:
            return d.texts.screenChoices[row.index];
        case RowGroup::kScenery:
            return d.texts.sceneryChoices[row.index];
        case RowGroup::kSceneryFolder:
            return d.texts.sceneryFolderBox;
        case RowGroup::kSky:
            return d.texts.skyBox;
        case RowGroup::kKeeper:
            return d.texts.keeperBox;
        case RowGroup::kClock:
            return d.texts.clockBox;
        case RowGroup::kAircraft:
        default:
            return d.texts.aircraftBox;
    }
}

// The rows that stand in the 景色 column and move with it.
bool InSceneryColumnGroup(RowGroup group) {
    return group == RowGroup::kScenery || group == RowGroup::kSceneryFolder ||
           group == RowGroup::kKeeper || group == RowGroup::kClock;
}

HBITMAP MarkOfRow(const SettingsDialogWindow& d, const RowOf& row) {
    switch (row.group) {
        case RowGroup::kMusic:
            return d.marks[d.form.chosenMark[row.index] ? 1 : 0];
        case RowGroup::kScreen:
            return d.marks[d.form.screenMark[row.index] ? 1 : 0];
        case RowGroup::kScenery:
            return d.marks[d.form.sceneryMark[row.index] ? 1 : 0];
        case RowGroup::kSceneryFolder:
            return d.checks[d.form.sceneryFolderChecked ? 1 : 0];
        case RowGroup::kSky:
            return d.checks[d.form.skyChecked ? 1 : 0];
        case RowGroup::kKeeper:
            return d.checks[d.form.keeperChecked ? 1 : 0];
        case RowGroup::kClock:
            return d.checks[d.form.clockChecked ? 1 : 0];
        case RowGroup::kAircraft:
        default:
            return d.checks[d.form.aircraftChecked ? 1 : 0];
    }
}

// The row an arrow key moves to within the row's group, in the order the rows stand on the
// panel; a check box stands alone.
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
        return d.screenChoices[(row.index + (forward ? 1 : 2)) % 3];
    }
    if (row.group == RowGroup::kScenery) {
        return d.sceneryChoices[(row.index + 1) % 2];  // two side by side: either way the other
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
    DrawLabel(dc, d.look.font, RGB(0, 0, 0), TextOfRow(d, row), text,
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
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
            // Any button chooses a music, 画面 or 景色 row; only the left one ticks a box.
            if (row.group == RowGroup::kMusic || row.group == RowGroup::kScreen ||
                row.group == RowGroup::kScenery) {
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

}  // namespace

void RegisterRowClass(HINSTANCE instance) {
    WNDCLASSW choiceClass{};
    choiceClass.lpfnWndProc = ChoiceProc;
    choiceClass.hInstance = instance;
    choiceClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    choiceClass.lpszClassName = kChoiceClass;
    RegisterClassW(&choiceClass);
}

HWND CreateRow(SettingsDialogWindow& d, HINSTANCE instance, int id) {
    return CreateWindowExW(0, kChoiceClass, Wide(TextOfRow(d, RowFromId(id))).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, d.window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

RECT RowRect(SettingsDialogWindow& d, int id) {
    const RowOf row = RowFromId(id);
    const ChoicePlace& place = PlaceOfRow(row);
    const RECT mark = PixelRect(
        d, InSceneryColumnGroup(row.group) ? InSceneryColumn(place.mark, d.growth) : place.mark);
    const HDC screen = GetDC(d.window);
    const HGDIOBJ old = SelectObject(screen, d.look.font);
    SIZE text{};
    const std::wstring caption = Wide(TextOfRow(d, row));
    GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &text);
    SelectObject(screen, old);
    ReleaseDC(d.window, screen);
    const int width = Px(d, place.caption.left - place.mark.left) + text.cx + 2;
    const int height = std::max<int>(mark.bottom - mark.top, text.cy);
    return RECT{mark.left, mark.top, mark.left + width, mark.top + height};
}

// The left column's rows that end before the 景色 column (the music rows end before the combo
// and the file label, which English words clear), and the 景色 rows that end before the panel's
// right edge ("デスクトップ" ends before "画像", which English words clear too).
DialogGrowth MeasuredGrowth(SettingsDialogWindow& d) {
    const HDC screen = GetDC(nullptr);
    auto end = [&](int id) {
        const RowOf row = RowFromId(id);
        return PlaceOfRow(row).caption.left +
               MulDiv(TextWidth(screen, d.look.font, TextOfRow(d, row)), 1440, d.dpi);
    };
    std::vector<int> left;
    for (int id : {kFirstScreenId, kFirstScreenId + 1, kFirstScreenId + 2, kAircraftId, kSkyId}) {
        left.push_back(end(id));
    }
    std::vector<int> right;
    for (int id : {kFirstSceneryId + 1, kSceneryFolderId, kKeeperId, kClockId}) {
        right.push_back(end(id));
    }
    ReleaseDC(nullptr, screen);
    return GrowthFor(left, right);
}

}  // namespace altostrat::settings_window
