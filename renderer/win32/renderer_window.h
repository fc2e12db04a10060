#pragma once
// The renderer's one window, its device and rendering contexts and the display mode: created at
// start-up, released by KillRendererWindow on every way out.

#include <windows.h>

#include <cstdint>

namespace altostrat {

struct RendererWindow {
    bool fullScreen = true;    // the display mode was changed and must be restored
    bool windowActive = true;  // not minimised: frames are drawn only while true
    std::uint8_t keyDown[256] = {};
    bool escapeTapped = false;  // Escape went down since the frame loop last looked
    HWND mainWindow = nullptr;
    HDC mainDC = nullptr;
    HGLRC renderContext = nullptr;
};

constexpr wchar_t kRendererClassName[] = L"OpenGL";
constexpr int kRendererWidth = 1024;
constexpr int kRendererHeight = 768;

// Registers the window class "OpenGL"; false when the system refuses it.
bool RegisterRendererClass(HINSTANCE instance);

// Switches the display to 1024 x 768 x 32 (or records that it stays as it is), then creates the
// window, its pixel format and a current rendering context, shows it and gives it the focus.
// False when any of the window, device context, pixel format or context could not be had;
// the caller then runs KillRendererWindow.
bool CreateRendererWindow(RendererWindow& window, HINSTANCE instance);

// Releases the context, the device context and the window, and restores the display mode and
// the cursor when they were changed. Safe to call with any of them missing, and twice.
void KillRendererWindow(RendererWindow& window);

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace altostrat
