// The preview as Windows draws it. Under Wine a child of another process's window draws nothing,
// so the scenario can check only the preview's place; here the parent (standing in for the
// Display Properties' small monitor) belongs to this process and the preview runs on a second
// thread, as it runs on the host's one thread. At 152 x 112, the still's own size, the parent
// must show the still pixel for pixel: the oracle is the picture file the still is built from.
// With the clock chosen in the settings beside the program, the time is painted over the still's
// corner, exactly the pixel font's lit pixels in the minute's place, and the rest of the still
// stays as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "common/win32/user_clock_format.h"
#include "common/win32/wide_text.h"
#include "flight/clock/clock_place.h"
#include "flight/clock/pixel_font.h"
#include "host/host_state.h"
#include "host/saver_run/win32/preview_form.h"
#include "host/text/paths.h"

namespace altostrat {
namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;

struct Rgb {
    int r, g, b;
};

// A pixel of the 24-bit, bottom-up picture file (its rows need no padding at this width).
Rgb StillPixel(const std::vector<unsigned char>& file, int x, int y) {
    const std::size_t offset = 54 + (static_cast<std::size_t>(kHeight - 1 - y) * kWidth + x) * 3;
    return {file[offset + 2], file[offset + 1], file[offset]};
}

Rgb ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

bool Near(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
}

// The clock as the preview must paint it now: which pixels of the preview are lit digits, and
// the plate around them.
struct ClockPixels {
    ScreenRect plate;
    std::vector<bool> lit;  // by y * kWidth + x
};

ClockPixels ClockNow() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    const int minute = local.wHour * 60 + local.wMinute;
    const std::string text =
        ClockText(FitClockFormat(UserClockFormat(), PixelFontDraws), minute / 60, minute % 60);
    ClockPixels pixels;
    pixels.plate = ClockPlate({0, 0, kWidth, kHeight}, PixelTextWidth(text), minute);
    pixels.lit.assign(kWidth * kHeight, false);
    const int scale = ClockScale(kHeight);
    for (const PixelRun& run : LayOutPixelText(text)) {
        const int left = pixels.plate.left + (kClockPadding + run.x) * scale;
        const int bottom = pixels.plate.bottom - (kClockPadding + run.y) * scale;
        for (int y = bottom - scale; y < bottom; ++y) {
            for (int x = left; x < left + run.length * scale; ++x) {
                pixels.lit[y * kWidth + x] = true;
            }
        }
    }
    return pixels;
}

// Handles this thread's messages until the condition holds or five seconds have passed.
template <typename Condition>
bool PumpUntil(Condition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > 5000) {
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    return true;
}

TEST(Preview, CoversItsParentWithTheStillAndEndsWithIt) {
    std::ifstream in(ALTOSTRAT_SOURCE_DIR "/assets/preview_still.bmp", std::ios::binary);
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    ASSERT_EQ(file.size(), 54u + kWidth * kHeight * 3);

    WNDCLASSW parentClass{};
    parentClass.lpfnWndProc = DefWindowProcW;
    parentClass.hInstance = GetModuleHandleW(nullptr);
    parentClass.lpszClassName = L"AltostratPreviewTestParent";
    parentClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&parentClass);
    const POINT origin{200, 150};
    HWND parent = CreateWindowExW(0, parentClass.lpszClassName, L"parent", WS_POPUP | WS_VISIBLE,
                                  origin.x, origin.y, kWidth, kHeight, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);

    // A settings file beside a program folder of the test's own, choosing the clock.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string folder =
        Narrow(temp) + "altostrat-preview-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    const std::string ini = SettingsPath(folder);
    const char kChoosingTheClock[] = "[Section]\r\n\x8E\x9E\x8C\x76=1\r\n";  // 時計=1
    HANDLE settingsFile = CreateFileW(Wide(ini).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(settingsFile, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(settingsFile, kChoosingTheClock, sizeof kChoosingTheClock - 1, &written, nullptr);
    CloseHandle(settingsFile);

    HostState state;
    state.programFolder = folder;
    state.PreviewParent = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(parent));
    std::atomic<bool> ended{false};
    std::thread preview([&] {
        RunPreview(state);
        ended = true;
    });

    const POINT samples[] = {{5, 5}, {kWidth / 2, kHeight / 2}, {kWidth - 6, kHeight - 6}};
    const bool shown = PumpUntil([&] {
        for (const POINT& p : samples) {
            if (!Near(ScreenPixel(origin.x + p.x, origin.y + p.y), StillPixel(file, p.x, p.y))) {
                return false;
            }
        }
        return true;
    });
    EXPECT_TRUE(shown) << "the parent does not show the still";
    int wrong = 0;
    const bool clockShown = PumpUntil([&] {
        const ClockPixels clock = ClockNow();
        wrong = 0;
        for (int y = clock.plate.top; y < clock.plate.bottom; ++y) {
            for (int x = clock.plate.left; x < clock.plate.right; ++x) {
                const Rgb want = clock.lit[y * kWidth + x] ? Rgb{255, 247, 230} : Rgb{0, 0, 0};
                wrong += !Near(ScreenPixel(origin.x + x, origin.y + y), want);
            }
        }
        return wrong == 0;
    });
    EXPECT_TRUE(clockShown) << wrong << " pixels of the clock's plate are not the clock's";
    DeleteFileW(Wide(ini).c_str());
    RemoveDirectoryW(Wide(folder).c_str());
    HWND child = FindWindowExW(parent, nullptr, nullptr, L"Preview Window");
    EXPECT_NE(child, nullptr);
    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_CHILD);

    DestroyWindow(parent);
    EXPECT_TRUE(PumpUntil([&] { return ended.load(); })) << "the preview outlived its parent";
    if (ended) {
        preview.join();
    } else {
        preview.detach();
    }
}

}  // namespace
}  // namespace altostrat
