// The renderer's window layer, run for real under Wine on the test display.
#include <windows.h>

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "renderer/win32/cover_windows.h"
#include "renderer/win32/renderer_window.h"

namespace altostrat {
namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

class RendererWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterRendererClass(Instance())); }
    void TearDown() override { KillRendererWindow(window); }

    // Drops whatever the window system queued, keeping the quit request if there is one.
    static bool TakeQuit(WPARAM& code) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                code = message.wParam;
                return true;
            }
            DispatchMessageW(&message);
        }
        return false;
    }

    RendererWindow window;
};

// On the 1024 x 768 test display the window fills the screen whether the switch is made or
// refused: borderless, at the origin, as large as the screen Windows reports.
TEST_F(RendererWindowTest, CreatesTheTitledWindowWithA1024By768ClientArea) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    EXPECT_EQ(FindWindowW(L"OpenGL", L"Altostrat_VC"), window.mainWindow);
    RECT client;
    GetClientRect(window.mainWindow, &client);
    EXPECT_EQ(client.right - client.left, 1024);
    EXPECT_EQ(client.bottom - client.top, 768);
    EXPECT_EQ(client.right - client.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(client.bottom - client.top, GetSystemMetrics(SM_CYSCREEN));
    const LONG style = GetWindowLongW(window.mainWindow, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_EQ(GetForegroundWindow(), window.mainWindow);
    EXPECT_EQ(wglGetCurrentContext(), window.renderContext);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
}

TEST_F(RendererWindowTest, KeysActivationAndSystemCommandsReachTheState) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    HWND hwnd = window.mainWindow;
    EXPECT_EQ(SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0), 0);
    EXPECT_EQ(window.keyDown[VK_ESCAPE], 1);
    SendMessageW(hwnd, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_EQ(window.keyDown[VK_ESCAPE], 0);
    SendMessageW(hwnd, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(window.keyDown['A'], 1);
    EXPECT_EQ(window.keyDown[VK_ESCAPE], 0);

    SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0);
    EXPECT_FALSE(window.windowActive);
    SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    EXPECT_TRUE(window.windowActive);

    // The system's screen saver is swallowed; the monitor power command is heard and passed on,
    // so the display may power down, and nothing ends the flight.
    EXPECT_EQ(SendMessageW(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    EXPECT_EQ(window.displayPower, DisplayPower::kOff);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, static_cast<LPARAM>(-1));
    EXPECT_EQ(window.displayPower, DisplayPower::kOn);
    EXPECT_TRUE(IsWindow(hwnd));
    WPARAM code = 1;
    EXPECT_FALSE(TakeQuit(code));
}

// The console display state as Windows broadcasts it: GUID_CONSOLE_DISPLAY_STATE, a 4-byte
// value, 0 off and 1 on; another setting's broadcast changes nothing.
TEST_F(RendererWindowTest, TheConsoleDisplayStateBroadcastReachesTheState) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    struct {
        GUID setting;
        DWORD length;
        DWORD value;
    } broadcast = {
        {0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}}, 4, 0};
    const auto send = [&] {
        return SendMessageW(window.mainWindow, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                            reinterpret_cast<LPARAM>(&broadcast));
    };
    EXPECT_EQ(send(), TRUE);
    EXPECT_EQ(window.displayPower, DisplayPower::kOff);
    broadcast.value = 1;
    send();
    EXPECT_EQ(window.displayPower, DisplayPower::kOn);
    broadcast.value = 0;
    broadcast.setting.Data1 ^= 1;  // some other setting
    send();
    EXPECT_EQ(window.displayPower, DisplayPower::kOn);
}

// Covers made after the flight window leave it the foreground window with the keyboard focus,
// are black borderless windows that a click does not activate, and go with the teardown.
TEST_F(RendererWindowTest, CoversNeverTakeTheForegroundAndGoWithTheTeardown) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    window.covers = CreateCovers({{600, 100, 900, 400}}, Instance());
    ASSERT_EQ(window.covers.size(), 1u);
    HWND cover = window.covers[0];
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(GetForegroundWindow(), window.mainWindow);
    EXPECT_EQ(GetFocus(), window.mainWindow);
    EXPECT_EQ(window.foreground, ForegroundState::kHeld);
    EXPECT_TRUE(IsWindowVisible(cover));
    EXPECT_TRUE(GetWindowLongW(cover, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongW(cover, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    RECT r;
    GetWindowRect(cover, &r);
    EXPECT_EQ(r.left, 600);
    EXPECT_EQ(r.bottom, 400);
    EXPECT_EQ(SendMessageW(cover, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(cover),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, 750, 250), RGB(0, 0, 0));
    ReleaseDC(nullptr, screen);

    KillRendererWindow(window);
    EXPECT_FALSE(IsWindow(cover));
    EXPECT_TRUE(window.covers.empty());
}

// A window of the renderer's own that takes the activation, as the picture error box does over
// the set-up of a renderer started alone, leaves the flight the foreground it had.
TEST_F(RendererWindowTest, AnOwnWindowTakingTheActivationIsNoLoss) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    ASSERT_EQ(window.foreground, ForegroundState::kHeld);
    HWND own = CreateWindowExW(0, L"STATIC", L"own", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50,
                               window.mainWindow, nullptr, Instance(), nullptr);
    ASSERT_NE(own, nullptr);
    SetForegroundWindow(own);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(GetForegroundWindow(), own);
    EXPECT_EQ(window.foreground, ForegroundState::kHeld);
    DestroyWindow(own);
    EXPECT_EQ(window.foreground, ForegroundState::kHeld);
}

TEST_F(RendererWindowTest, CloseRequestPostsQuitAndKeepsTheWindow) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    EXPECT_EQ(SendMessageW(window.mainWindow, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.mainWindow));
    WPARAM code = 1;
    ASSERT_TRUE(TakeQuit(code));
    EXPECT_EQ(code, 0u);
}

TEST_F(RendererWindowTest, SizeMessagesSetTheViewportWithZeroHeightAsOne) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    SendMessageW(window.mainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 0));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 640.0, 640.0 * 1e-5);  // single-precision matrix
}

TEST_F(RendererWindowTest, TeardownRemovesEverythingAndMayRunTwice) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance(), false));
    KillRendererWindow(window);
    EXPECT_EQ(FindWindowW(L"OpenGL", L"Altostrat_VC"), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(window.mainWindow, nullptr);
    EXPECT_FALSE(window.fullScreen);
    KillRendererWindow(window);
}

}  // namespace
}  // namespace altostrat
