// The renderer's window layer, run for real under Wine on the test display.
#include <windows.h>

#include <gtest/gtest.h>

#include <GL/gl.h>

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

TEST_F(RendererWindowTest, CreatesTheTitledWindowWithA1024By768ClientArea) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance()));
    EXPECT_EQ(FindWindowW(L"OpenGL", L"Altostrat_VC"), window.mainWindow);
    RECT client;
    GetClientRect(window.mainWindow, &client);
    EXPECT_EQ(client.right - client.left, 1024);
    EXPECT_EQ(client.bottom - client.top, 768);
    const LONG style = GetWindowLongW(window.mainWindow, GWL_STYLE);
    if (window.fullScreen) {
        EXPECT_TRUE(style & WS_POPUP);
    } else {
        EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    }
    EXPECT_EQ(wglGetCurrentContext(), window.renderContext);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
}

TEST_F(RendererWindowTest, KeysActivationAndSystemCommandsReachTheState) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance()));
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

    // The system's screen saver and monitor power-down are swallowed.
    EXPECT_EQ(SendMessageW(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_TRUE(IsWindow(hwnd));
    WPARAM code = 1;
    EXPECT_FALSE(TakeQuit(code));
}

TEST_F(RendererWindowTest, CloseRequestPostsQuitAndKeepsTheWindow) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance()));
    EXPECT_EQ(SendMessageW(window.mainWindow, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.mainWindow));
    WPARAM code = 1;
    ASSERT_TRUE(TakeQuit(code));
    EXPECT_EQ(code, 0u);
}

TEST_F(RendererWindowTest, SizeMessagesSetTheViewportWithZeroHeightAsOne) {
    ASSERT_TRUE(CreateRendererWindow(window, Instance()));
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
    ASSERT_TRUE(CreateRendererWindow(window, Instance()));
    KillRendererWindow(window);
    EXPECT_EQ(FindWindowW(L"OpenGL", L"Altostrat_VC"), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(window.mainWindow, nullptr);
    EXPECT_FALSE(window.fullScreen);
    KillRendererWindow(window);
}

}  // namespace
}  // namespace altostrat
