#include <windows.h>

#include <gtest/gtest.h>

#include "host/tests/win32/test_window.h"
#include "host/win32/zoom.h"

namespace altostrat {
namespace {

using testing::TestWindow;

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

TEST(Zoom, PlaysTheEffectWithoutMovingShowingOrHidingTheWindow) {
    HostState state;
    state.AnchorX = 700;
    state.AnchorY = 500;
    for (bool visible : {false, true}) {
        TestWindow window(L"zoom", visible);
        const RECT before = RectOf(window.handle());
        ZoomOpen(state, window.handle());
        EXPECT_TRUE(RectOf(window.handle()) == before);
        EXPECT_EQ(IsWindowVisible(window.handle()) != FALSE, visible);
        ZoomClose(state, window.handle());
        EXPECT_TRUE(RectOf(window.handle()) == before);
        EXPECT_EQ(IsWindowVisible(window.handle()) != FALSE, visible);
    }
}

TEST(Zoom, AnInvalidWindowOrAZeroAnchorIsHarmless) {
    HostState state;  // anchor 0, 0: the position could not be read
    ZoomOpen(state, nullptr);
    ZoomClose(state, reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF1234)));
    TestWindow window(L"zoom", true);
    ZoomOpen(state, window.handle());
    ZoomClose(state, window.handle());
    SUCCEED();
}

}  // namespace
}  // namespace altostrat
