#include "linux_program/wayland/wayland_input.h"

#include <unistd.h>
#include <wayland-client.h>

#include <cmath>

namespace altostrat {
namespace {

// Pointer motion up to this far (logical pixels) from where the pointer was first seen is
// taken as a nudge, not the user coming back.
constexpr double kPointerSlack = 8.0;

CoveredOutput* OutputOf(WaylandScreen& screen, wl_surface* surface) {
    for (auto& o : screen.outputs) {
        if (surface != nullptr && o->surface == surface) {
            return o.get();
        }
    }
    return nullptr;
}

// SURFACE_X and SURFACE_Y on the pointer's output, in the compositor's logical coordinates, so
// that moving from one output's surface to the next is no jump.
void NotePointerAt(WaylandInput& input, wl_fixed_t surfaceX, wl_fixed_t surfaceY) {
    if (input.pointerOutput == nullptr) {
        return;
    }
    const ScreenRect logical = LogicalRect(input.pointerOutput->output);
    const double x = logical.left + wl_fixed_to_double(surfaceX);
    const double y = logical.top + wl_fixed_to_double(surfaceY);
    if (!input.anchored) {
        input.anchored = true;
        input.anchorX = x;
        input.anchorY = y;
    } else if (std::hypot(x - input.anchorX, y - input.anchorY) > kPointerSlack) {
        input.userBack = true;
    }
}

void OnPointerEnter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface,
                    wl_fixed_t x, wl_fixed_t y) {
    auto& screen = *static_cast<WaylandScreen*>(data);
    // No cursor image: the pointer is hidden over the flight.
    wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
    screen.input.pointerOutput = OutputOf(screen, surface);
    NotePointerAt(screen.input, x, y);
}

void OnPointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) {
    static_cast<WaylandScreen*>(data)->input.pointerOutput = nullptr;
}

void OnPointerMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
    NotePointerAt(static_cast<WaylandScreen*>(data)->input, x, y);
}

void OnPointerButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
        static_cast<WaylandScreen*>(data)->input.userBack = true;
    }
}

void OnPointerAxis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
void OnPointerFrame(void*, wl_pointer*) {}
void OnPointerAxisSource(void*, wl_pointer*, uint32_t) {}
void OnPointerAxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
void OnPointerAxisDiscrete(void*, wl_pointer*, uint32_t, int32_t) {}
void OnPointerAxisValue120(void*, wl_pointer*, uint32_t, int32_t) {}

const wl_pointer_listener kPointerListener = {
    OnPointerEnter,        OnPointerLeave,       OnPointerMotion,     OnPointerButton,
    OnPointerAxis,         OnPointerFrame,       OnPointerAxisSource, OnPointerAxisStop,
    OnPointerAxisDiscrete, OnPointerAxisValue120};

void OnKeymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) {
    // Any key ends the flight: the keymap is not needed.
    close(fd);
}

void OnKeyboardEnter(void* data, wl_keyboard*, uint32_t, wl_surface* surface, wl_array*) {
    // The keys already down (the one that started the flight, say) are not the user coming back.
    auto& screen = *static_cast<WaylandScreen*>(data);
    screen.input.keyboardOutput = OutputOf(screen, surface);
}

void OnKeyboardLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}

void OnKey(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t state) {
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
        static_cast<WaylandScreen*>(data)->input.userBack = true;
    }
}

void OnModifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void OnRepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

const wl_keyboard_listener kKeyboardListener = {OnKeymap, OnKeyboardEnter, OnKeyboardLeave,
                                                OnKey,    OnModifiers,     OnRepeatInfo};

void ReleaseKeyboard(WaylandInput& input) {
    if (input.keyboard != nullptr) {
        if (wl_keyboard_get_version(input.keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION) {
            wl_keyboard_release(input.keyboard);
        } else {
            wl_keyboard_destroy(input.keyboard);
        }
        input.keyboard = nullptr;
    }
    input.keyboardOutput = nullptr;
}

void ReleasePointer(WaylandInput& input) {
    if (input.pointer != nullptr) {
        if (wl_pointer_get_version(input.pointer) >= WL_POINTER_RELEASE_SINCE_VERSION) {
            wl_pointer_release(input.pointer);
        } else {
            wl_pointer_destroy(input.pointer);
        }
        input.pointer = nullptr;
    }
    input.pointerOutput = nullptr;
}

void OnCapabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto& screen = *static_cast<WaylandScreen*>(data);
    WaylandInput& input = screen.input;
    const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (keyboard && input.keyboard == nullptr) {
        input.keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(input.keyboard, &kKeyboardListener, &screen);
    } else if (!keyboard) {
        ReleaseKeyboard(input);
    }
    if (pointer && input.pointer == nullptr) {
        input.pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(input.pointer, &kPointerListener, &screen);
    } else if (!pointer) {
        ReleasePointer(input);
    }
}

void OnSeatName(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeatListener = {OnCapabilities, OnSeatName};

}  // namespace

void WatchSeat(WaylandScreen& screen) {
    wl_seat_add_listener(screen.input.seat, &kSeatListener, &screen);
}

void ReleaseSeat(WaylandScreen& screen) {
    WaylandInput& input = screen.input;
    ReleaseKeyboard(input);
    ReleasePointer(input);
    if (input.seat != nullptr) {
        if (wl_seat_get_version(input.seat) >= WL_SEAT_RELEASE_SINCE_VERSION) {
            wl_seat_release(input.seat);
        } else {
            wl_seat_destroy(input.seat);
        }
        input.seat = nullptr;
    }
}

}  // namespace altostrat
