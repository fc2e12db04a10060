// The error box for real, under Wine: a timer on the owner window reads the box while it is up
// and presses its OK button.
#include "renderer/win32/error_message_box.h"

#include "common/win32/wide_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace altostrat {
namespace {

TEST(Wide, ConvertsJapaneseAndEmptyText) {
    EXPECT_EQ(Wide(u8"C:\\t_wisp\\アルトストラト.bmp"), L"C:\\t_wisp\\アルトストラト.bmp");
    EXPECT_EQ(Wide(""), L"");
    EXPECT_EQ(Wide("a\xFF"
                   "b"),
              L"a\xFFFD"
              L"b");
}

// What the timer found while the box was up.
struct SeenBox {
    HWND box = nullptr;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
    bool hasOk = false;
    bool hasCancel = false;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam) {
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    if (std::wstring(className) != L"#32770") {
        return TRUE;
    }
    auto* seen = reinterpret_cast<SeenBox*>(lParam);
    seen->box = hwnd;
    return FALSE;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        auto* seen = reinterpret_cast<SeenBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(seen));
        if (seen->box != nullptr) {
            KillTimer(hwnd, wParam);
            seen->owner = GetWindow(seen->box, GW_OWNER);
            seen->caption = WindowText(seen->box);
            seen->text = WindowText(GetDlgItem(seen->box, 0xFFFF));  // the box's text control
            seen->hasOk = GetDlgItem(seen->box, IDOK) != nullptr;
            seen->hasCancel = GetDlgItem(seen->box, IDCANCEL) != nullptr;
            PostMessageW(seen->box, WM_COMMAND, IDOK, 0);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ShowErrorMessageBox, ShowsTheTextCaptionedErrorOwnedByTheFocusWindow) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AltostratErrorBoxOwner";
    RegisterClassW(&windowClass);
    HWND owner = CreateWindowExW(0, windowClass.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 0,
                                 0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    SeenBox seen;
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
    SetForegroundWindow(owner);
    SetFocus(owner);
    ASSERT_EQ(GetFocus(), owner);
    SetTimer(owner, 1, 50, nullptr);

    ShowErrorMessageBox(u8"Failed to open DIB file C:\\t_wisp\\アルトストラト.bmp.\n");

    ASSERT_NE(seen.box, nullptr);
    EXPECT_EQ(seen.owner, owner);
    EXPECT_EQ(seen.caption, L"Error");
    EXPECT_EQ(seen.text, L"Failed to open DIB file C:\\t_wisp\\アルトストラト.bmp.\n");
    EXPECT_TRUE(seen.hasOk);
    EXPECT_FALSE(seen.hasCancel);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace altostrat
