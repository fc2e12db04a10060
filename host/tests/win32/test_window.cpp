#include "host/tests/win32/test_window.h"

namespace altostrat::testing {

namespace {

const wchar_t kClassName[] = L"AltostratHostTestWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

TestWindow::TestWindow(const wchar_t* title, bool visible, RECT rect) {
    RegisterOnce();
    handle_ = CreateWindowExW(0, kClassName, title, WS_OVERLAPPED | (visible ? WS_VISIBLE : 0),
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    DestroyWindow(handle_);
}

}  // namespace altostrat::testing
