#include "host/dialog/win32/settings_dialog_window.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/agreement.h"
#include "common/win32/keeper_stop.h"
#include "common/win32/private_folder.h"
#include "common/win32/wide_text.h"
#include "host/dialog/keeper_box.h"
#include "host/dialog/win32/dialog_font.h"
#include "host/dialog/win32/file_chooser.h"
#include "host/dialog/win32/keeper_control.h"
#include "host/dialog/win32/settings_dialog_window_parts.h"
#include "host/dialog/win32/zoom.h"
#include "host/resource_ids.h"
#include "host/text/paths.h"

namespace altostrat {

using namespace settings_window;

namespace {

constexpr int kFirstButtonId = 101;  // by DialogButton; clear of IDOK and IDCANCEL
constexpr int kRepeatComboId = 301;
constexpr std::size_t kMessageColumns = 64;
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
constexpr DWORD kDialogStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

class FileStore : public SettingsStore {
  public:
    explicit FileStore(std::string path) : path_(std::move(path)) {}
    bool Save(const HostSettings& settings) override { return SaveSettings(settings, path_); }

  private:
    std::string path_;
};

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
    InvalidateRect(d.skyBox, nullptr, FALSE);
    InvalidateRect(d.keeperBox, nullptr, FALSE);
    InvalidateRect(d.clockBox, nullptr, FALSE);
    for (HWND choice : d.sceneryChoices) {
        InvalidateRect(choice, nullptr, FALSE);
    }
    InvalidateRect(d.sceneryFolderBox, nullptr, FALSE);
}

void ChooseKind(SettingsDialogWindow& d, int kind) {
    ChooseMusicKind(d.form, d.host.settings, static_cast<MusicKind>(kind));
    ShowChoiceControls(d);
}

// Every way the dialog closes: the outline shrinks back while the window is still there.
void CloseDialog(SettingsDialogWindow& d) {
    ZoomClose(POINT{d.AnchorX, d.AnchorY}, d.window);
    DestroyWindow(d.window);
}

// The form of PICKED the settings file can hold; nothing, after telling the user why, when it
// cannot hold the path in any form.
std::optional<std::string> KeepablePath(SettingsDialogWindow& d, const PickedFile& picked) {
    std::optional<std::string> storable = StorablePath(picked.path, picked.shortPath);
    if (!storable) {
        const std::string why = RefusalOf(picked.path) == PathRefusal::kTooLong
                                    ? d.texts.pathTooLong
                                    : d.texts.pathUnwritable;
        // A long path has no blank to wrap at: broken into lines, the message stays on screen.
        const std::wstring text = Wide(why + BrokenIntoLines(picked.path, kMessageColumns));
        MessageBoxW(d.window, text.c_str(), Wide(d.texts.dialogTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
    }
    return storable;
}

void PickFile(SettingsDialogWindow& d) {
    const std::optional<PickedFile> picked = ChooseMusicFile(d.host.settings, d.window, d.texts);
    if (!picked) {
        return;
    }
    if (const std::optional<std::string> storable = KeepablePath(d, *picked)) {
        TakePickedFile(d.form, d.host.settings, *storable);
        RefreshPicture(d);
    }
}

// The 景色 picture's "...", or the folder box cleared with no picture to go back to
// (CLEAR_FOLDER_BOX): a cancelled chooser or a refused path changes nothing.
void PickPicture(SettingsDialogWindow& d, bool clearFolderBox) {
    const std::optional<PickedFile> picked =
        ChoosePictureFile(d.window, PictureChooserFolder(d.form, d.host.settings), d.texts);
    if (!picked) {
        return;
    }
    if (const std::optional<std::string> storable = KeepablePath(d, *picked)) {
        TakePickedPicture(d.form, d.host.settings, *storable, clearFolderBox);
        ShowChoiceControls(d);
        RefreshPicture(d);
    }
}

class Win32KeeperSwitch final : public KeeperSwitch {
  public:
    Win32KeeperSwitch(std::wstring keeper, UiLanguage language)
        : keeper_(std::move(keeper)), language_(language) {}
    bool FolderIsPrivate(std::string& why) override {
        const std::wstring folder = keeper_.substr(0, keeper_.find_last_of(L'\\'));
        return !FolderOthersCanWrite(folder, why, language_);
    }
    bool SetAtSignIn(bool on) override { return SetKeeperAtSignIn(keeper_, on); }
    bool Start() override { return StartKeeper(keeper_); }
    bool End() override { return SignalKeeperStop(); }

  private:
    std::wstring keeper_;
    UiLanguage language_;
};

// The keeper's box, once the settings are saved (keeper_box.h).
void ApplyKeeperChoice(SettingsDialogWindow& d) {
    const std::wstring keeper = KeeperBesideHost();
    Win32KeeperSwitch keeperSwitch(keeper, d.host.language);
    const KeeperOutcome outcome =
        ApplyKeeperChange(KeeperChangeOnConfirm(d.form, d.keeperWasOn), keeperSwitch);
    if (outcome.failed != KeeperFailure::kNone) {
        MessageBoxW(
            d.window,
            Wide(KeeperFailureMessage(outcome, d.host.language) + "\n\n" + Narrow(keeper)).c_str(),
            Wide(d.texts.dialogTitle).c_str(), MB_OK | MB_ICONWARNING);
    }
}

void Confirm(SettingsDialogWindow& d) {
    wchar_t text[64] = {};
    GetWindowTextW(d.combo, text, 64);
    d.form.repeatText = Narrow(text);
    FileStore store(SettingsPath(d.host.programFolder));
    if (!ConfirmSettings(d.form, d.host.settings, store)) {
        // The setting that stopped the save, else the file that could not be written.
        const std::optional<UnkeptSetting> unkept = UnkeptPath(d.host.settings);
        const std::wstring message =
            Wide(unkept ? d.texts.settingUnkept + unkept->key + "=" +
                              BrokenIntoLines(unkept->value, kMessageColumns)
                        : d.texts.settingsFileUnwritten + SettingsPath(d.host.programFolder));
        MessageBoxW(d.window, message.c_str(), Wide(d.texts.dialogTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
        return;
    }
    ApplyKeeperChoice(d);
    CloseDialog(d);
}

void OpenManual(SettingsDialogWindow& d) {
    const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::string manual = d.host.programFolder + "\\" + kManualFileName;
    ShellExecuteW(d.window, L"open", Wide(manual).c_str(), nullptr,
                  Wide(d.host.programFolder).c_str(), SW_SHOWNORMAL);
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
    } else if (id == kFirstButtonId + static_cast<int>(DialogButton::kPicture)) {
        PickPicture(d, false);
    } else if (id >= kFirstSceneryId && id < kFirstSceneryId + 2) {
        ChooseScenery(d.form, d.host.settings, static_cast<Scenery>(id - kFirstSceneryId));
        ShowChoiceControls(d);
    } else if (id == kSceneryFolderId) {
        if (ToggleSceneryFolder(d.form, d.host.settings)) {
            PickPicture(d, true);
        } else {
            ShowChoiceControls(d);
            RefreshPicture(d);
        }
    } else if (id >= kFirstChoiceId && id < kFirstChoiceId + 3) {
        ChooseKind(d, id - kFirstChoiceId);
    } else if (id >= kFirstScreenId && id < kFirstScreenId + 3) {
        ChooseScreen(d.form, d.host.settings, static_cast<ScreenChoice>(id - kFirstScreenId));
        ShowChoiceControls(d);
    } else if (id == kAircraftId) {
        ToggleAircraft(d.form, d.host.settings);
        ShowChoiceControls(d);
    } else if (id == kSkyId) {
        ToggleSky(d.form, d.host.settings);
        ShowChoiceControls(d);
    } else if (id == kKeeperId) {
        ToggleKeeper(d.form);
        ShowChoiceControls(d);
    } else if (id == kClockId) {
        ToggleClock(d.form, d.host.settings);
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
                OpenManual(*d);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            d->linkPress.pressedOnLink = false;
            return 0;
        case WM_DPICHANGED:
            if (lParam != 0) {
                Rescale(*d, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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
    const std::wstring className = Wide(kSettingsDialogClass);
    WNDCLASSW dialogClass{};
    dialogClass.lpfnWndProc = DialogProc;
    dialogClass.hInstance = instance;
    dialogClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ALTOSTRAT_ICON));
    dialogClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    dialogClass.lpszClassName = className.c_str();
    RegisterClassW(&dialogClass);
    RegisterRowClass(instance);
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
    d.look.font = CreateDialogFont(dpi, false, d.host.language);
    d.linkFont = CreateDialogFont(dpi, true, d.host.language);
    // The design's captions keep the design's places; others are measured in the font just made.
    d.growth = d.host.language == UiLanguage::kJapanese ? DialogGrowth{} : MeasuredGrowth(d);
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

void MoveTo(HWND window, const RECT& place) {
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A button's place at the dialog's DPI after the growth: the picture's "..." in the 景色
// column, 設定 and ｷｬﾝｾﾙ with the form's right side.
RECT PlaceOfButton(const SettingsDialogWindow& d, DialogButton button) {
    const TwipsRect place = kDialogButtons[static_cast<int>(button)].place;
    switch (button) {
        case DialogButton::kPicture:
            return PixelRect(d, InSceneryColumn(place, d.growth));
        case DialogButton::kSet:
        case DialogButton::kCancel:
            return PixelRect(d, MovedRight(place, d.growth));
        case DialogButton::kFile:
        default:
            return PixelRect(d, place);
    }
}

void CreateButton(SettingsDialogWindow& d, DialogButton which) {
    const int index = static_cast<int>(which);
    PropertyBag data = StoredButtonData(which, d.texts);
    CreateCommandWindow(d.buttons[index], d.window, kFirstButtonId + index, PlaceOfButton(d, which),
                        data, d.look);
}

// Every child at its place for the dialog's DPI, in the dialog's font.
void PlaceControls(SettingsDialogWindow& d) {
    for (const DialogButtonPlace& place : kDialogButtons) {
        MoveTo(d.buttons[static_cast<int>(place.button)].window, PlaceOfButton(d, place.button));
    }
    for (int kind = 0; kind < 3; ++kind) {
        MoveTo(d.choices[kind], RowRect(d, kFirstChoiceId + kind));
    }
    for (int choice = 0; choice < 3; ++choice) {
        MoveTo(d.screenChoices[choice], RowRect(d, kFirstScreenId + choice));
    }
    MoveTo(d.aircraftBox, RowRect(d, kAircraftId));
    MoveTo(d.skyBox, RowRect(d, kSkyId));
    for (int kind = 0; kind < 2; ++kind) {
        MoveTo(d.sceneryChoices[kind], RowRect(d, kFirstSceneryId + kind));
    }
    MoveTo(d.sceneryFolderBox, RowRect(d, kSceneryFolderId));
    MoveTo(d.keeperBox, RowRect(d, kKeeperId));
    MoveTo(d.clockBox, RowRect(d, kClockId));
    const RECT combo = PixelRect(d, kRepeatComboPlace);
    SendMessageW(d.combo, WM_SETFONT, reinterpret_cast<WPARAM>(d.look.font), FALSE);
    MoveTo(d.combo, RECT{combo.left, combo.top, combo.right, combo.top + Px(d, 300) * 10});
}

// The children in the order Tab visits them, which is the order they are made in: the music
// rows from the top with the combo after the audio CD, "...", the 画面 rows, the aircraft box and
// the sky box, then the 景色 group beside them from the top (its two choices, its "...", the
// folder box, the keeper's box, the clock's box), then 設定 and ｷｬﾝｾﾙ.
void CreateControls(SettingsDialogWindow& d, HINSTANCE instance) {
    d.choices[1] = CreateRow(d, instance, kFirstChoiceId + 1);
    d.combo = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, 0,
        0, 0, d.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRepeatComboId)), instance,
        nullptr);
    d.choices[0] = CreateRow(d, instance, kFirstChoiceId);
    d.choices[2] = CreateRow(d, instance, kFirstChoiceId + 2);
    CreateButton(d, DialogButton::kFile);
    d.screenChoices[0] = CreateRow(d, instance, kFirstScreenId);
    d.screenChoices[1] = CreateRow(d, instance, kFirstScreenId + 1);
    d.screenChoices[2] = CreateRow(d, instance, kFirstScreenId + 2);
    d.aircraftBox = CreateRow(d, instance, kAircraftId);
    d.skyBox = CreateRow(d, instance, kSkyId);
    d.sceneryChoices[0] = CreateRow(d, instance, kFirstSceneryId);
    d.sceneryChoices[1] = CreateRow(d, instance, kFirstSceneryId + 1);
    CreateButton(d, DialogButton::kPicture);
    d.sceneryFolderBox = CreateRow(d, instance, kSceneryFolderId);
    d.keeperBox = CreateRow(d, instance, kKeeperId);
    d.clockBox = CreateRow(d, instance, kClockId);
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
    // English captions measured at the new scale may round to another growth than the old one:
    // the window then takes the width its own layout needs, where Windows suggests it.
    int width = suggested.right - suggested.left;
    if (d.host.language != UiLanguage::kJapanese) {
        RECT outer{0, 0, Px(d, kDialogClientWidthTwips + d.growth.width), 0};
        AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
        width = outer.right - outer.left;
    }
    SetWindowPos(d.window, nullptr, suggested.left, suggested.top, width,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RefreshPicture(d);
}

// Form_Load, in its order.
void LoadForm(SettingsDialogWindow& d, HINSTANCE instance) {
    // 1. Place: centred across, a third of the free height from the top.
    RECT outer{0, 0, Px(d, kDialogClientWidthTwips + d.growth.width),
               Px(d, kDialogClientHeightTwips)};
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const PixelPoint at =
        DialogPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
    d.window = CreateWindowExW(WS_EX_CONTROLPARENT, Wide(kSettingsDialogClass).c_str(),
                               Wide(d.texts.dialogTitle).c_str(), kDialogStyle, at.x, at.y, width,
                               height, nullptr, nullptr, instance, &d);
    if (!d.window) {
        return;
    }
    CreateControls(d, instance);
    // 2. InitCommandButtons.
    for (CommandWindow& button : d.buttons) {
        InitializeCommandWindow(button);
    }
    // 3 to 10: the panel's picture, the choices, the combo and the path.
    const DWORD scenery = GetFileAttributesW(Wide(d.host.settings.SceneryFile).c_str());
    LoadSettingsDialog(d.form, d.host.settings,
                       !d.host.settings.SceneryFile.empty() && scenery != INVALID_FILE_ATTRIBUTES &&
                           (scenery & FILE_ATTRIBUTE_DIRECTORY) != 0);
    const std::wstring keeper = KeeperBesideHost();
    d.form.keeperAvailable = GetFileAttributesW(keeper.c_str()) != INVALID_FILE_ATTRIBUTES;
    d.keeperWasOn = d.form.keeperAvailable && KeeperStartsAtSignIn(keeper);
    d.form.keeperChecked = d.keeperWasOn;
    EnableWindow(d.keeperBox, d.form.keeperAvailable);
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
        d.AnchorX = static_cast<std::int16_t>(pointer.x);
        d.AnchorY = static_cast<std::int16_t>(pointer.y);
    } else {
        d.AnchorX = 0;
        d.AnchorY = 0;
    }
    // 12. The outline grows from the mouse position to the dialog.
    ZoomOpen(POINT{d.AnchorX, d.AnchorY}, d.window);
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
