#include "host/win32/screen_capture.h"

#include <vector>

#include "common/bmp_writer.h"
#include "host/win32/win32_run_folder.h"

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

}  // namespace

bool CaptureScreenToFile(const std::string& path, bool wholeVirtualScreen) {
    const int left = wholeVirtualScreen ? GetSystemMetrics(SM_XVIRTUALSCREEN) : 0;
    const int top = wholeVirtualScreen ? GetSystemMetrics(SM_YVIRTUALSCREEN) : 0;
    const int width = GetSystemMetrics(wholeVirtualScreen ? SM_CXVIRTUALSCREEN : SM_CXSCREEN);
    const int height = GetSystemMetrics(wholeVirtualScreen ? SM_CYVIRTUALSCREEN : SM_CYSCREEN);
    if (width <= 0 || height <= 0) {
        return false;
    }
    BITMAPINFO info = Bottom24(width, height);
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture == nullptr) {
        return false;
    }
    HDC pictureDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(pictureDC, picture);
    HWND hDesktopWnd = GetDesktopWindow();
    HDC hDesktopDC = GetDC(hDesktopWnd);
    BitBlt(pictureDC, 0, 0, width, height, hDesktopDC, left, top, SRCCOPY);
    ReleaseDC(hDesktopWnd, hDesktopDC);
    GdiFlush();

    const std::vector<std::uint8_t> bytes =
        Bmp24Bytes({width, height, static_cast<const std::uint8_t*>(bits), BmpRowBytes(width, 24)});
    const bool written = !bytes.empty() && WriteNewFile(path, bytes.data(), bytes.size());
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
    DeleteObject(picture);
    return written;
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
