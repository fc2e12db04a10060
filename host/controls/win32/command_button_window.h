#pragma once
// The Command button as a Windows child window: feeds the portable state machine with focus,
// mouse, key and timer events and draws what it asks for. A click arrives at the parent as
// WM_COMMAND with the button's control id.

#include <windows.h>

#include <array>

#include "host/controls/command_button.h"
#include "host/controls/command_properties.h"

namespace altostrat {

// What every button of a form shares: its skins, its caption font and the display's DPI.
struct CommandLook {
    std::array<HBITMAP, 6> skins{};  // by ButtonSkin
    HFONT font = nullptr;
    int dpi = 96;
};

// Sent to the parent to paint what lies behind a child (WPARAM the child's DC, LPARAM the
// child's window): transparent controls show the form's persistent picture.
constexpr UINT kPaintParentBackground = WM_APP + 1;

struct CommandWindow {
    CommandButton button;
    HWND window = nullptr;
    const CommandLook* look = nullptr;
    ButtonSkin face = ButtonSkin::kDisable;
    bool reverseGradient = false;
};

// Creates the button at PIXELS inside PARENT and loads it from its stored DATA (the form's
// ambient font is the look's). STATE must outlive the window.
HWND CreateCommandWindow(CommandWindow& state, HWND parent, int id, const RECT& pixels,
                         const PropertyBag& data, const CommandLook& look);

// Initialize: state Normal and the 100 ms pointer poll running.
void InitializeCommandWindow(CommandWindow& state);

// Enabled as the form sets it: the state machine's property, and the window's, so that Tab
// passes over a disabled button.
void SetCommandEnabled(CommandWindow& state, bool enabled);

}  // namespace altostrat
