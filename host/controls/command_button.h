#pragma once
// Command: the settings dialog's own skinned push button, as a state machine the Windows layer
// feeds with events and that tells a CommandSurface what to draw.
//
// The subtle part is that State and the face drawn are not the same thing: pressing and
// releasing the left button only change the face, the pointer poll moves HighLight -> Normal and
// HighLightSelect -> Selected, and a button that has the focus while the pointer is away
// (Selected) swallows the release, so a press dragged off the focused button never clicks, even
// if the pointer comes back before the release. As with every Windows button, only the left
// button presses it, and Click needs a left press on the button and its release over it: a
// release outside cancels the press however quickly the pointer left (the 100 ms poll may not
// have seen it go), and a right or middle button does nothing.

#include <cstdint>
#include <string>

namespace altostrat {

// The six skin pictures of the button, each 64 x 25 pixels.
enum class ButtonSkin { kNormal, kHighLight, kHighLightSelect, kPressed, kDisable, kSelected };

enum class MouseButton { kLeft, kRight, kMiddle };

// Where the pointer and the focus are, as the button has seen them.
enum class ButtonState {
    kUninitialised,    // before Initialize
    kNormal,           // neither
    kHighLight,        // the pointer over it, no focus
    kSelected,         // the focus, the pointer away
    kHighLightSelect,  // the focus and the pointer over it
};

// What the button asks of the platform. Calls arrive in the order the drawing must happen.
class CommandSurface {
  public:
    virtual ~CommandSurface() = default;
    // Clear, gradient (white at the top unless reversed), the skin's eight border pieces,
    // repaint, caption layout.
    virtual void PaintSkin(ButtonSkin skin, bool reverseGradient) = 0;
    // Normal or the platform's disabled caption style.
    virtual void SetCaptionEnabled(bool enabled) = 0;
    // A stored property changed: the container's data needs saving.
    virtual void PropertyChanged() = 0;
    virtual void Click() = 0;
};

// The caption font the button is designed with, and the name a new one is given.
inline constexpr char kCommandDesignFont[] =
    u8"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";  // ＭＳ Ｐゴシック
inline constexpr double kCommandDesignFontPoints = 9.75;

struct CommandButton {
    ButtonState State = ButtonState::kUninitialised;
    bool Enabled = false;
    std::uint8_t FirstRun = 0;  // 0 only for a button never loaded from stored properties
    bool MouseIsDown = false;
    bool ReverseGradient = false;
    bool pointerTimerOn = false;  // TmrMouse, the 100 ms pointer poll

    // The caption label LblMsg and the surface's background style.
    std::string Caption = "Command";
    std::string FontName = kCommandDesignFont;
    std::uint32_t FontColour = 0;  // 0x00BBGGRR
    bool captionEnabled = true;
    std::int16_t BackStyle = 1;  // the Visible property: 1 opaque, 0 transparent
};

// Turns the button on for its form: state Normal and the pointer poll running.
void Initialize(CommandButton& button);

// Enables or disables the button and draws its face for that.
void SetEnabled(CommandButton& button, CommandSurface& surface, bool enabled);

// Events from the platform.
void OnFocusReceived(CommandButton& button, CommandSurface& surface);
void OnFocusLost(CommandButton& button, CommandSurface& surface);
void OnMouseDown(CommandButton& button, CommandSurface& surface, MouseButton which);
void OnMouseMove(CommandButton& button, CommandSurface& surface);
// POINTER_OVER_BUTTON: whether the release happened over the button.
void OnMouseUp(CommandButton& button, CommandSurface& surface, MouseButton which,
               bool pointerOverButton);
// The 100 ms poll: POINTER_OVER_BUTTON is whether the window under the pointer is the button's.
void OnPointerTimer(CommandButton& button, CommandSurface& surface, bool pointerOverButton);
void OnResize(CommandButton& button, CommandSurface& surface);
// Enter or Space while the button has the focus: a click, for keyboard users. The pointer
// states are left alone.
void OnKeyPress(CommandButton& button, CommandSurface& surface);

// The internal operations, public for the stored-property code.
void PaintSkin(CommandButton& button, CommandSurface& surface, ButtonSkin skin);
void ShowEnabledState(CommandButton& button, CommandSurface& surface);
void RefreshLook(CommandButton& button, CommandSurface& surface);
void PointerLeft(CommandButton& button, CommandSurface& surface);

}  // namespace altostrat
