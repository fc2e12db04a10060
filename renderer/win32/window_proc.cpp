// The renderer's window procedure. The RendererWindow it works on is handed over at creation
// and kept in the window's user data, so the procedure needs no globals.
#include "common/win32/display_power_notice.h"
#include "flight/scene/resize_scene.h"
#include "renderer/win32/power_source.h"
#include "renderer/win32/renderer_window.h"

namespace altostrat {
namespace {

RendererWindow* WindowState(HWND hwnd) {
    return reinterpret_cast<RendererWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// WM_ACTIVATE: the flight window became active, or the window named by lParam (null for none)
// became active in its place. A window of this process is one of the renderer's own: a message
// box over the set-up, or another monitor's flight when each monitor flies its own (each on a
// thread of its own), which leaves the flight in front.
Activation ActivationOf(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != WA_INACTIVE) {
        return Activation::kGained;
    }
    const HWND other = reinterpret_cast<HWND>(lParam);
    DWORD process = 0;
    if (other != nullptr && GetWindowThreadProcessId(other, &process) != 0 &&
        process == GetCurrentProcessId()) {
        return Activation::kToOwnWindow;
    }
    return Activation::kToAnotherProgram;
}

// Every monitor's flight rests while the display is off, whichever window heard of it.
void ShareDisplayPower(const RendererWindow& window) {
    if (window.signals != nullptr) {
        window.signals->displayOff = window.displayPower == DisplayPower::kOff;
    }
}

}  // namespace

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    RendererWindow* window = WindowState(hwnd);
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
        case WM_ACTIVATE:
            window->windowActive = HIWORD(wParam) == 0;
            window->foreground = AfterActivation(window->foreground, ActivationOf(wParam, lParam));
            return 0;
        case WM_ACTIVATEAPP:
            // FALSE: a window of another program is about to become active.
            window->foreground = AfterActivation(
                window->foreground, wParam ? Activation::kGained : Activation::kToAnotherProgram);
            break;
        case WM_SYSCOMMAND:
            // The low four bits are the system's own. No second screen saver starts over the
            // flight; the display may power down, and the flight rests while it is off.
            if ((wParam & 0xFFF0) == SC_SCREENSAVE) {
                return 0;
            }
            if ((wParam & 0xFFF0) == SC_MONITORPOWER) {
                window->displayPower = DisplayPowerAfterMonitorCommand(
                    static_cast<std::int64_t>(lParam), window->displayPower);
                ShareDisplayPower(*window);
            }
            break;
        case WM_POWERBROADCAST:
            if (PowerSourceChangeNotice(wParam, lParam)) {
                window->powerSourceChanged = true;
                return TRUE;
            }
            if (wParam == PBT_POWERSETTINGCHANGE) {
                window->displayPower = DisplayPowerFromPowerSetting(lParam, window->displayPower);
                ShareDisplayPower(*window);
                return TRUE;
            }
            break;
        case WM_CLOSE:
            // The loop ends on the quit request; the teardown destroys the window. The other
            // monitors' flights end with it.
            if (window->signals != nullptr) {
                window->signals->stop = true;
            }
            PostQuitMessage(0);
            return 0;
        case WM_KEYDOWN:
            window->keyDown[wParam & 0xFF] = 1;
            if (wParam == VK_ESCAPE) {
                window->escapeTapped = true;
            }
            return 0;
        case WM_KEYUP:
            window->keyDown[wParam & 0xFF] = 0;
            return 0;
        case WM_SIZE: {
            // The aircraft where the layout put it while the window has the layout's size; a
            // window of any other size has it at its centre.
            const int width = LOWORD(lParam), height = HIWORD(lParam);
            if (width == window->flightRect.Width() && height == window->flightRect.Height()) {
                ResizeScene(width, height, window->lookAtX, window->lookAtY);
            } else {
                ResizeScene(width, height);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace altostrat
