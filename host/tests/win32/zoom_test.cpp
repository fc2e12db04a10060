// The zoom effects run between the window's rectangle as Windows reports it and the anchor:
// opening from the anchor to the window, closing from the window into the anchor; an invalid
// window gives a rectangle of zeros. (The effect itself draws nothing under Wine.)
#include <windows.h>

#include <gtest/gtest.h>

#include "host/dialog/win32/zoom.h"
#include "host/tests/win32/test_window.h"

namespace altostrat {
namespace {

using testing::TestWindow;

bool Same(const ScreenRect& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Zoom, RunsBetweenTheAnchorAndTheWindowsOwnRectangle) {
    const POINT anchor_point{700, 500};
    TestWindow window(L"zoom", true, RECT{130, 90, 530, 390});
    RECT actual{};
    ASSERT_TRUE(GetWindowRect(window.handle(), &actual));
    const RECT anchor{700, 500, 700, 500};

    const ZoomPath open = ZoomPathOf(anchor_point, window.handle(), ZoomDirection::kOpen);
    EXPECT_TRUE(Same(open.from, anchor));
    EXPECT_TRUE(Same(open.to, actual));
    const ZoomPath close = ZoomPathOf(anchor_point, window.handle(), ZoomDirection::kClose);
    EXPECT_TRUE(Same(close.from, actual));
    EXPECT_TRUE(Same(close.to, anchor));

    // Playing the effects moves, shows and hides nothing.
    ZoomOpen(anchor_point, window.handle());
    ZoomClose(anchor_point, window.handle());
    RECT after{};
    GetWindowRect(window.handle(), &after);
    EXPECT_TRUE(EqualRect(&actual, &after));
    EXPECT_TRUE(IsWindowVisible(window.handle()));

    // No window and an unread mouse position: zeros at both ends.
    const ZoomPath none = ZoomPathOf(POINT{}, nullptr, ZoomDirection::kClose);
    EXPECT_TRUE(Same(none.from, RECT{}));
    EXPECT_TRUE(Same(none.to, RECT{}));
}

}  // namespace
}  // namespace altostrat
