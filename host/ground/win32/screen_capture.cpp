#include "host/ground/win32/screen_capture.h"

#include <vector>

#include "common/bmp_writer.h"
#include "host/run_folder/win32/win32_run_folder.h"

namespace altostrat {
namespace {

BITMAPINFO Bottom24(LONG width, LONG height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom row first, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list) {
    reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(
        ScreenRect{bounds->left, bounds->top, bounds->right, bounds->bottom});
    return TRUE;
}

}  // namespace

ScreenArea ScreensToCover(bool virtualScreen) {
    ScreenArea area;
    if (virtualScreen) {
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        area.canvas = ScreenRect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                 top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&area.monitors));
    }
    if (area.monitors.empty() || area.canvas.Width() <= 0 || area.canvas.Height() <= 0) {
        area.canvas =
            ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        area.monitors = {area.canvas};
    }
    return area;
}

bool OnUsersDesktop() {
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    wchar_t name[64] = {};
    DWORD needed = 0;
    if (desktop == nullptr || !GetUserObjectInformationW(desktop, UOI_NAME, name,
                                                         sizeof name - sizeof name[0], &needed)) {
        return false;
    }
    return lstrcmpiW(name, L"Default") == 0;
}

std::optional<RgbPicture> PhotographScreen(const ScreenRect& area) {
    const int width = area.Width();
    const int height = area.Height();
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    BITMAPINFO info = Bottom24(width, height);
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (shot == nullptr) {
        return std::nullopt;
    }
    HDC shotDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(shotDC, shot);
    HWND hDesktopWnd = GetDesktopWindow();
    HDC hDesktopDC = GetDC(hDesktopWnd);
    const BOOL copied =
        BitBlt(shotDC, 0, 0, width, height, hDesktopDC, area.left, area.top, SRCCOPY);
    ReleaseDC(hDesktopWnd, hDesktopDC);
    GdiFlush();

    std::optional<RgbPicture> picture;
    if (copied) {
        picture = RgbPicture{width, height, {}};
        picture->pixels.resize(static_cast<std::size_t>(width) * height * 3);
        const std::size_t stride = BmpRowBytes(width, 24);
        const auto* rows = static_cast<const std::uint8_t*>(bits);
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* in = rows + static_cast<std::size_t>(height - 1 - y) * stride;
            std::uint8_t* out = picture->pixels.data() + static_cast<std::size_t>(y) * width * 3;
            for (int x = 0; x < width; ++x, in += 3, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
    }
    SelectObject(shotDC, previous);
    DeleteDC(shotDC);
    DeleteObject(shot);
    return picture;
}

bool WritePictureToFile(const RgbPicture& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height * 3) {
        return false;
    }
    const std::size_t stride = BmpRowBytes(picture.width, 24);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* in =
            picture.pixels.data() + static_cast<std::size_t>(y) * picture.width * 3;
        std::uint8_t* out = rows.data() + static_cast<std::size_t>(picture.height - 1 - y) * stride;
        for (int x = 0; x < picture.width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    const std::vector<std::uint8_t> bytes =
        Bmp24Bytes({picture.width, picture.height, rows.data(), stride});
    return !bytes.empty() && WriteNewFile(path, bytes.data(), bytes.size());
}

bool WriteBitmapResourceToFile(HINSTANCE module, int id, const std::string& path) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        return false;
    }
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    BITMAPINFO info = Bottom24(shape.bmWidth, shape.bmHeight);
    std::vector<std::uint8_t> rows(BmpRowBytes(shape.bmWidth, 24) *
                                   static_cast<std::size_t>(shape.bmHeight));
    HDC screen = GetDC(nullptr);
    const int copied = GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), rows.data(),
                                 &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (copied != shape.bmHeight) {
        return false;
    }
    const std::vector<std::uint8_t> bytes =
        Bmp24Bytes({shape.bmWidth, shape.bmHeight, rows.data(), BmpRowBytes(shape.bmWidth, 24)});
    return !bytes.empty() && WriteNewFile(path, bytes.data(), bytes.size());
}

}  // namespace altostrat
