#include "renderer/win32/renderer_window.h"

#include "common/agreement.h"
#include "common/win32/display_power_notice.h"
#include "common/win32/wide_text.h"
#include "renderer/win32/cover_windows.h"
#include "renderer/win32/monitors.h"

namespace altostrat {
namespace {

// Topmost, as the covers are, so that no always-on-top window (a task manager, a video in its
// own small window, the on-screen keyboard) nor another monitor's taskbar shows over the flight.
constexpr DWORD kFullScreenExStyle = WS_EX_APPWINDOW | WS_EX_TOPMOST;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// A temporary switch to 1024 x 768 x 32 that is not stored. The ANSI form is used on purpose:
// the request carries no text, and its DEVMODEA is the 148-byte structure drivers expect.
bool ChangeToRendererMode() {
    DEVMODEA mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = kSwitchedWidth;
    mode.dmPelsHeight = kSwitchedHeight;
    mode.dmBitsPerPel = 32;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

bool SetRendererPixelFormat(HDC dc) {
    PIXELFORMATDESCRIPTOR pfd;
    ZeroMemory(&pfd, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 32;
    pfd.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(dc, &pfd);
    return format != 0 && SetPixelFormat(dc, format, &pfd);
}

}  // namespace

bool RegisterRendererClass(HINSTANCE instance) {
    const std::wstring className = Wide(kRendererWindowClass);
    WNDCLASSW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_WINLOGO);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className.c_str();
    return RegisterClassW(&wc) != 0 && RegisterCoverClass(instance);
}

namespace {

// The borderless topmost window over RECT with its pixel format and a context current on this
// thread, shown; activated and given the focus when asked.
bool CreateFlightWindowAt(RendererWindow& window, HINSTANCE instance, const ScreenRect& r,
                          bool takeForeground) {
    window.flightRect = r;
    window.mainWindow =
        CreateWindowExW(kFullScreenExStyle, Wide(kRendererWindowClass).c_str(),
                        Wide(kRendererWindowTitle).c_str(), kFullScreenStyle, r.left, r.top,
                        r.Width(), r.Height(), nullptr, nullptr, instance, &window);
    if (window.mainWindow == nullptr) {
        return false;
    }
    window.mainDC = GetDC(window.mainWindow);
    if (window.mainDC == nullptr || !SetRendererPixelFormat(window.mainDC)) {
        return false;
    }
    window.renderContext = wglCreateContext(window.mainDC);
    if (window.renderContext == nullptr || !wglMakeCurrent(window.mainDC, window.renderContext)) {
        return false;
    }
    if (takeForeground) {
        ShowWindow(window.mainWindow, SW_SHOW);
        SetForegroundWindow(window.mainWindow);
        SetFocus(window.mainWindow);
    } else {
        ShowWindow(window.mainWindow, SW_SHOWNOACTIVATE);
    }
    return true;
}

}  // namespace

bool CreateRendererWindow(RendererWindow& window, HINSTANCE instance, bool acrossAllMonitors) {
    // A refused mode is no failure: the flight then fills the primary at its own resolution.
    // Across all monitors each keeps its own, and nothing is switched.
    window.fullScreen = !acrossAllMonitors && ChangeToRendererMode();
    ShowCursor(FALSE);
    window.cursorHidden = true;
    // Listed after the switch, which resizes the primary and may move the others.
    const DisplayLayout layout =
        DecideDisplayLayout(ListMonitors(), acrossAllMonitors, window.fullScreen);
    window.lookAtX = layout.lookAtX;
    window.lookAtY = layout.lookAtY;
    window.primaryPart = layout.primaryPart;
    if (!CreateFlightWindowAt(window, instance, layout.flightWindow, true)) {
        return false;
    }
    // The covers come after the flight has the foreground and never take it from it.
    window.covers = CreateCovers(layout.covers, instance);
    window.displayStateNotice = RegisterDisplayStateNotice(window.mainWindow);
    return true;
}

bool CreateMonitorFlightWindow(RendererWindow& window, HINSTANCE instance, const ScreenRect& bounds,
                               bool takeForeground) {
    window.fullScreen = false;  // every monitor keeps its own mode
    ShowCursor(FALSE);
    window.cursorHidden = true;
    window.lookAtX = bounds.Width() / 2.0;
    window.lookAtY = bounds.Height() / 2.0;
    if (!CreateFlightWindowAt(window, instance, bounds, takeForeground)) {
        return false;
    }
    window.displayStateNotice = RegisterDisplayStateNotice(window.mainWindow);
    return true;
}

bool FlightStopRequested(RendererWindow& window) {
    // Escape held down, or tapped since the loop last looked: a press and its release can both
    // arrive within one emptying of the queue, and the tap must still end the flight. Another
    // program taking the foreground the flight had ends it the same way.
    bool stop = window.keyDown[VK_ESCAPE] || window.escapeTapped ||
                window.foreground == ForegroundState::kLost;
    window.escapeTapped = false;
    if (window.signals != nullptr) {
        if (stop) {
            window.signals->stop = true;
        }
        stop = stop || window.signals->stop;
    }
    return stop;
}

void KillRendererWindow(RendererWindow& window) {
    UnregisterDisplayStateNotice(window.displayStateNotice);
    DestroyCovers(window.covers);
    if (window.renderContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(window.renderContext);
        window.renderContext = nullptr;
    }
    if (window.mainDC != nullptr) {
        ReleaseDC(window.mainWindow, window.mainDC);
        window.mainDC = nullptr;
    }
    if (window.mainWindow != nullptr) {
        DestroyWindow(window.mainWindow);
        window.mainWindow = nullptr;
    }
    if (window.fullScreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        window.fullScreen = false;  // restored once, however often the teardown runs
    }
    if (window.cursorHidden) {
        ShowCursor(TRUE);
        window.cursorHidden = false;
    }
}

}  // namespace altostrat
