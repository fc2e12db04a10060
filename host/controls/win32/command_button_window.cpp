#include "host/controls/win32/command_button_window.h"

#include <windowsx.h>

#include "common/win32/wide_text.h"
#include "host/controls/twips.h"

namespace altostrat {

namespace {

constexpr wchar_t kClassName[] = L"AltostratCommand";
constexpr UINT_PTR kPointerTimer = 1;
constexpr UINT kPointerPollMs = 100;
constexpr int kSkinWidth = 64;
constexpr int kSkinHeight = 25;
constexpr int kSkinBorder = 4;
constexpr int kBorderTwips = 60;
constexpr int kCaptionHeightTwips = 195;
constexpr COLORREF kSurfaceColour = RGB(0xEC, 0xE9, 0xD8);

class WindowSurface : public CommandSurface {
  public:
    explicit WindowSurface(CommandWindow& state) : state_(state) {}
    void PaintSkin(ButtonSkin skin, bool reverseGradient) override {
        state_.face = skin;
        state_.reverseGradient = reverseGradient;
        if (state_.window) {
            InvalidateRect(state_.window, nullptr, FALSE);
        }
    }
    void SetCaptionEnabled(bool) override {
        if (state_.window) {
            InvalidateRect(state_.window, nullptr, FALSE);
        }
    }
    void PropertyChanged() override {}
    void Click() override {
        const HWND parent = GetParent(state_.window);
        const int id = GetDlgCtrlID(state_.window);
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(state_.window));
    }

  private:
    CommandWindow& state_;
};

CommandWindow* StateOf(HWND window) {
    return reinterpret_cast<CommandWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    // 16-bit channels with the 8-bit value in the high byte.
    v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    return v;
}

void PaintGradient(HDC dc, int width, int height, bool reverse) {
    const COLORREF white = RGB(0xFF, 0xFF, 0xFF);
    const COLORREF lavender = RGB(0xC6, 0xC5, 0xD7);
    TRIVERTEX vertices[2] = {Vertex(0, 0, reverse ? lavender : white),
                             Vertex(width - 1, height - 1, reverse ? white : lavender)};
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

// The skin's border in eight pieces, B pixels wide: corners scaled with the display (unscaled
// at 96 DPI) and edges stretched; the skin's centre is never copied.
void PaintBorder(HDC dc, HDC skin, int w, int h, int b) {
    const int s = kSkinBorder;
    const int midW = kSkinWidth - 2 * s;
    const int midH = kSkinHeight - 2 * s;
    struct Piece {
        int dx, dy, dw, dh, sx, sy, sw, sh;
    };
    const Piece pieces[] = {
        {0, 0, b, b, 0, 0, s, s},                                     // top-left
        {b, 0, w - 2 * b, b, s, 0, midW, s},                          // top
        {w - b, 0, b, b, kSkinWidth - s, 0, s, s},                    // top-right
        {w - b, b, b, h - 2 * b, kSkinWidth - s, s, s, midH},         // right
        {w - b, h - b, b, b, kSkinWidth - s, kSkinHeight - s, s, s},  // bottom-right
        {b, h - b, w - 2 * b, b, s, kSkinHeight - s, midW, s},        // bottom
        {0, h - b, b, b, 0, kSkinHeight - s, s, s},                   // bottom-left
        {0, b, b, h - 2 * b, 0, s, s, midH},                          // left
    };
    // Scaled (b is not the skin's own 4 pixels), the pieces are smoothed so the rounded frame
    // looks like the 100 % one made larger; at 100 % they are copied as they are.
    SetStretchBltMode(dc, b == s ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    for (const Piece& p : pieces) {
        if (p.dw > 0 && p.dh > 0) {
            StretchBlt(dc, p.dx, p.dy, p.dw, p.dh, skin, p.sx, p.sy, p.sw, p.sh, SRCCOPY);
        }
    }
}

void PaintCaption(HDC dc, const CommandWindow& state, int w, int h) {
    const int dpi = state.look->dpi;
    const int heightTwips = h * 1440 / dpi;
    const int top = TwipsToPixels((heightTwips - kCaptionHeightTwips - 20) / 2, dpi);
    RECT rect{0, top, w, top + TwipsToPixels(kCaptionHeightTwips, dpi)};
    const std::wstring text = Wide(state.button.Caption);
    const HGDIOBJ oldFont = SelectObject(dc, state.look->font);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
    if (state.button.captionEnabled) {
        SetTextColor(dc, state.button.FontColour & 0xFFFFFF);
        DrawTextW(dc, text.c_str(), -1, &rect, format);
    } else {
        // The disabled style of a label: grey text over a white copy one pixel down and right.
        RECT shadow = rect;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text.c_str(), -1, &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), -1, &rect, format);
    }
    SelectObject(dc, oldFont);
}

void Paint(HWND window, CommandWindow& state) {
    PAINTSTRUCT ps;
    const HDC target = BeginPaint(window, &ps);
    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right;
    const int h = client.bottom;
    if (w > 0 && h > 0) {
        const HDC dc = CreateCompatibleDC(target);
        const HBITMAP bitmap = CreateCompatibleBitmap(target, w, h);
        const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        if (state.button.BackStyle == 0) {
            SendMessageW(GetParent(window), kPaintParentBackground, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(window));
        } else {
            const HBRUSH brush = CreateSolidBrush(kSurfaceColour);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            PaintGradient(dc, w, h, state.reverseGradient);
            const HDC skin = CreateCompatibleDC(target);
            const HGDIOBJ oldSkin =
                SelectObject(skin, state.look->skins[static_cast<int>(state.face)]);
            PaintBorder(dc, skin, w, h, TwipsToPixels(kBorderTwips, state.look->dpi));
            SelectObject(skin, oldSkin);
            DeleteDC(skin);
        }
        PaintCaption(dc, state, w, h);
        BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    EndPaint(window, &ps);
}

MouseButton ButtonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return MouseButton::kRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return MouseButton::kMiddle;
        default:
            return MouseButton::kLeft;
    }
}

bool IsPressKey(WPARAM key) {
    return key == VK_RETURN || key == VK_SPACE;
}

LRESULT CALLBACK CommandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* state = static_cast<CommandWindow*>(created->lpCreateParams);
        state->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    CommandWindow* state = StateOf(window);
    if (!state) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    WindowSurface surface(*state);
    CommandButton& button = state->button;
    switch (message) {
        case WM_PAINT:
            Paint(window, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            OnResize(button, surface);
            return 0;
        case WM_SETFOCUS:
            OnFocusReceived(button, surface);
            return 0;
        case WM_KILLFOCUS:
            OnFocusLost(button, surface);
            return 0;
        case WM_LBUTTONDOWN:
            // A press gives the button the focus first, as a click on any control does; the
            // pointer stays with it until the release, so a release outside is seen too.
            if (GetFocus() != window && button.Enabled) {
                SetFocus(window);
            }
            SetCapture(window);
            OnMouseDown(button, surface, MouseButton::kLeft);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnMouseDown(button, surface, ButtonOf(message));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            if (message == WM_LBUTTONUP && GetCapture() == window) {
                ReleaseCapture();
            }
            // Client coordinates, negative left of or above the button while it holds the
            // pointer.
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT client{};
            GetClientRect(window, &client);
            OnMouseUp(button, surface, ButtonOf(message), PtInRect(&client, at) != FALSE);
            return 0;
        }
        case WM_MOUSEMOVE:
            OnMouseMove(button, surface);
            return 0;
        case WM_TIMER:
            if (wParam == kPointerTimer) {
                POINT pointer{};
                const bool over = GetCursorPos(&pointer) && WindowFromPoint(pointer) == window;
                OnPointerTimer(button, surface, over);
            }
            return 0;
        case WM_GETDLGCODE:
            // Enter and Space belong to the focused button; Tab and Escape to the form.
            if (lParam) {
                const MSG* msg = reinterpret_cast<const MSG*>(lParam);
                if ((msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                    (IsPressKey(msg->wParam) || msg->wParam == '\r' || msg->wParam == ' ')) {
                    return DLGC_WANTMESSAGE;
                }
            }
            return 0;
        case WM_KEYDOWN:
            if (IsPressKey(wParam) && (lParam & (1 << 30)) == 0) {
                OnKeyPress(button, surface);
            }
            return 0;
        case WM_NCDESTROY:
            KillTimer(window, kPointerTimer);
            state->window = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOnce(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CommandProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

std::string FaceNameOf(HFONT font) {
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    return Narrow(logFont.lfFaceName);
}

}  // namespace

HWND CreateCommandWindow(CommandWindow& state, HWND parent, int id, const RECT& pixels,
                         const PropertyBag& data, const CommandLook& look) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOnce(instance);
    state.look = &look;
    const HWND window =
        CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, pixels.left,
                        pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, &state);
    if (!window) {
        return nullptr;
    }
    WindowSurface surface(state);
    ReadProperties(state.button, surface, data, FaceNameOf(look.font));
    SetWindowTextW(window, Wide(state.button.Caption).c_str());
    EnableWindow(window, state.button.Enabled);
    return window;
}

void InitializeCommandWindow(CommandWindow& state) {
    Initialize(state.button);
    if (state.window && state.button.pointerTimerOn) {
        SetTimer(state.window, kPointerTimer, kPointerPollMs, nullptr);
    }
}

void SetCommandEnabled(CommandWindow& state, bool enabled) {
    WindowSurface surface(state);
    SetEnabled(state.button, surface, enabled);
    if (state.window) {
        EnableWindow(state.window, enabled);
    }
}

}  // namespace altostrat
