#pragma once
// The renderer's flight window, its device and rendering contexts, the display mode, the covers
// over the other monitors and the display power notice: created at start-up, released by
// KillRendererWindow on every way out.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "common/display_power.h"
#include "flight/display/display_layout.h"
#include "renderer/watch/foreground_watch.h"

namespace altostrat {

// What every monitor's flight shares when each monitor flies its own: one Escape, one close
// request or the loss of the foreground on any of them ends them all, and the display's power
// rests them all. Each flight runs on a thread of its own, so these are atomic.
struct FlightSignals {
    std::atomic<bool> stop{false};
    std::atomic<bool> displayOff{false};
};

struct RendererWindow {
    bool fullScreen = true;     // the display mode was changed and must be restored
    bool cursorHidden = false;  // the cursor was hidden and must be shown again
    bool windowActive = true;   // not minimised: frames are drawn only while true
    DisplayPower displayPower = DisplayPower::kOn;  // nothing is drawn while the display is off
    bool powerSourceChanged = false;  // Windows told of a change since the frame loop last looked
    std::uint8_t keyDown[256] = {};
    bool escapeTapped = false;  // Escape went down since the frame loop last looked
    // Whether another program took the foreground after the flight had it, which ends the flight.
    ForegroundState foreground = ForegroundState::kNotYet;
    HWND mainWindow = nullptr;
    HDC mainDC = nullptr;
    HGLRC renderContext = nullptr;
    ScreenRect flightRect;  // where the flight window lies; its size sets the projection
    // Where in the window the aircraft is seen (DisplayLayout), kept for every resize.
    double lookAtX = 0.0;
    double lookAtY = 0.0;
    ScreenRect primaryPart;              // the primary's part of the window (DisplayLayout)
    FlightSignals* signals = nullptr;    // shared with the other monitors' flights; null for one
    std::vector<HWND> covers;            // black windows over the monitors the flight does not fill
    void* displayStateNotice = nullptr;  // the console display state registration
};

// Registers the window class "OpenGL" and the covers' class; false when the system refuses
// either.
bool RegisterRendererClass(HINSTANCE instance);

// Unless the flight goes across all monitors, switches the display to 1024 x 768 x 32 (or
// records that it stays as it is). Then hides the cursor, creates the borderless topmost window
// where the monitors leave room for it (DecideDisplayLayout), its pixel format and a current
// rendering context, shows it, makes it the foreground window with the focus, covers the other
// monitors and asks for the display's power state. False when any of the window, device
// context, pixel format or context could not be had; the caller then runs KillRendererWindow.
bool CreateRendererWindow(RendererWindow& window, HINSTANCE instance, bool acrossAllMonitors);

// One monitor's flight window when each monitor flies its own: borderless and topmost over
// BOUNDS at the monitor's own mode, with its pixel format and a context current on the calling
// thread. Only the flight with TAKE_FOREGROUND (the primary's) takes the foreground and the
// focus; the others show without being activated. The cursor is hidden on this thread, whose
// input state the window has.
bool CreateMonitorFlightWindow(RendererWindow& window, HINSTANCE instance, const ScreenRect& bounds,
                               bool takeForeground);

// Whether the flight of WINDOW must end: Escape held or tapped, the foreground lost, or any
// other monitor's flight ending. Clears the tap it has seen.
bool FlightStopRequested(RendererWindow& window);

// Releases the display state notice, the covers, the context, the device context and the
// window, and restores the display mode and the cursor when they were changed. Safe to call
// with any of them missing, and twice.
void KillRendererWindow(RendererWindow& window);

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace altostrat
