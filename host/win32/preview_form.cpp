// The preview form "Preview Window": a real child window (WS_CHILD, no pop-up bit) of the window
// Windows hands over, at 0, 0 and covering it, that shows the built-in still stretched to fill
// it exactly.
//
// The handle on the command line is a 32-bit number; window handles are 32-bit values
// sign-extended on 64-bit Windows, so it is widened that way. A zero handle, or one that names no
// window, ends the program at once. The program ends when the preview window goes: it is
// destroyed with its parent, and because a child in another process (under Wine) may only get
// its final WM_DESTROY, a timer also checks that the parent still exists.
#include <windows.h>

#include <cstdint>

#include "common/agreement.h"
#include "common/win32/wide_text.h"
#include "host/win32/mode_entries.h"
#include "host/win32/resource_ids.h"

namespace altostrat {
namespace {

constexpr wchar_t kPreviewClass[] = L"AltostratPreviewForm";
constexpr UINT_PTR kParentPoll = 1;
constexpr UINT kParentPollInterval = 250;

struct PreviewForm {
    HWND parent = nullptr;
    HBITMAP still = nullptr;
};

void PaintStill(HWND window, const PreviewForm& form) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    BITMAP shape{};
    if (form.still != nullptr && GetObjectW(form.still, sizeof shape, &shape) != 0) {
        HDC source = CreateCompatibleDC(target);
        HGDIOBJ previous = SelectObject(source, form.still);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, client.right, client.bottom, source, 0, 0, shape.bmWidth,
                   shape.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else {
        FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<PreviewForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            if (form != nullptr) {
                PaintStill(window, *form);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the still covers every pixel
        case WM_TIMER:
            if (wParam == kParentPoll && form != nullptr && !IsWindow(form->parent)) {
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunPreview(HostState& state) {
    // Sign-extended, as Windows widens 32-bit window handles.
    HWND parent = reinterpret_cast<HWND>(static_cast<std::intptr_t>(state.PreviewParent));
    if (parent == nullptr || !IsWindow(parent)) {
        return 0;
    }
    RECT frame{};
    GetWindowRect(parent, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // The form's geometry in twips, as the rest of the host keeps it (0 when it does not fit).
    HDC screen = GetDC(nullptr);
    const int twipsX = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
    const int twipsY = 1440 / GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto twips = [](long value) {
        return static_cast<std::int16_t>(value >= -32768 && value <= 32767 ? value : 0);
    };
    state.PreviewLeft = 0;
    state.PreviewTop = 0;
    state.PreviewWidth = twips(static_cast<long>(twipsX) * width);
    state.PreviewHeight = twips(static_cast<long>(twipsY) * height);

    HINSTANCE instance = GetModuleHandleW(nullptr);
    PreviewForm form;
    form.parent = parent;
    form.still =
        static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(ALTOSTRAT_IDB_PREVIEW_STILL),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    WNDCLASSW previewClass{};
    previewClass.lpfnWndProc = PreviewProc;
    previewClass.hInstance = instance;
    previewClass.lpszClassName = kPreviewClass;
    previewClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&previewClass);
    HWND window = CreateWindowExW(0, kPreviewClass, Wide(kPreviewWindowTitle).c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS, 0, 0, width, height, parent, nullptr,
                                  instance, nullptr);
    if (window == nullptr) {
        DeleteObject(form.still);
        return 0;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
    SetTimer(window, kParentPoll, kParentPollInterval, nullptr);
    ShowWindow(window, SW_SHOWNA);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(form.still);
    return 0;
}

}  // namespace altostrat
