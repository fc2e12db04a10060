#include "host/ground/win32/screen_capture.h"

#include <vector>

#include "common/bmp_writer.h"
#include "common/win32/screen_reading.h"
#include "host/ground/photograph_pixels.h"
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

}  // namespace

ScreenArea ScreensToCover(bool virtualScreen) {
    ScreenArea area;
    if (virtualScreen) {
        const ScreenLayout layout = ReadScreenLayout();
        area.canvas = layout.virtualScreen;
        for (const MonitorPlace& monitor : layout.monitors) {
            area.monitors.push_back(monitor.rect);
        }
    }
    if (area.monitors.empty() || area.canvas.Width() <= 0 || area.canvas.Height() <= 0) {
        area.canvas =
            ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        area.monitors = {area.canvas};
    }
    return area;
}

std::optional<RgbPicture> PhotographScreen(const ScreenRect& area) {
    if (area.Width() <= 0 || area.Height() <= 0) {
        return std::nullopt;
    }
    const std::uint64_t size =
        std::uint64_t{BmpRowBytes(area.Width(), 24)} * static_cast<std::uint64_t>(area.Height());
    if (size > SIZE_MAX) {
        return std::nullopt;
    }
    HANDLE memory = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                       static_cast<DWORD>(size >> 32),
                                       static_cast<DWORD>(size & 0xFFFFFFFFu), nullptr);
    if (memory == nullptr) {
        return std::nullopt;
    }
    std::optional<RgbPicture> picture;
    if (CopyScreenInto(area, memory, 0)) {
        const auto* rows = static_cast<const std::uint8_t*>(
            MapViewOfFile(memory, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(size)));
        if (rows != nullptr) {
            picture = PictureFromPhotograph(
                {area.Width(), area.Height(), rows, BmpRowBytes(area.Width(), 24)});
            UnmapViewOfFile(rows);
        }
    }
    CloseHandle(memory);
    return picture;
}

bool WritePictureToFile(const RgbPicture& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height * 3) {
        return false;
    }
    const std::vector<std::uint8_t> rows = BitmapRows(picture);
    const std::vector<std::uint8_t> bytes =
        Bmp24Bytes({picture.width, picture.height, rows.data(), BmpRowBytes(picture.width, 24)});
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
