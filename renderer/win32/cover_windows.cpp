#include "renderer/win32/cover_windows.h"

namespace altostrat {
namespace {

LRESULT CALLBACK CoverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            // A click on a cover leaves the flight active and the keyboard with it.
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            SetCursor(nullptr);
            return TRUE;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterCoverClass(HINSTANCE instance) {
    WNDCLASSW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = instance;
    wc.hCursor = nullptr;
    // The system paints the black once; the covers cost the frames nothing.
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kCoverClassName;
    return RegisterClassW(&wc) != 0;
}

std::vector<HWND> CreateCovers(const std::vector<ScreenRect>& rects, HINSTANCE instance) {
    std::vector<HWND> covers;
    for (const ScreenRect& r : rects) {
        HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                     kCoverClassName, L"", WS_POPUP, r.left, r.top, r.Width(),
                                     r.Height(), nullptr, nullptr, instance, nullptr);
        if (cover != nullptr) {
            ShowWindow(cover, SW_SHOWNOACTIVATE);
            UpdateWindow(cover);
            covers.push_back(cover);
        }
    }
    return covers;
}

void DestroyCovers(std::vector<HWND>& covers) {
    for (HWND cover : covers) {
        DestroyWindow(cover);
    }
    covers.clear();
}

}  // namespace altostrat
