// The Command button's pointer, focus and property behaviour, checked against the sequences of
// faces, states and clicks its design gives for each case (and, for the mouse buttons and a
// release outside, against what a Windows push button does), through a surface that records
// what it was asked to draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/controls/command_button.h"
#include "host/controls/command_properties.h"

namespace altostrat {
namespace {

class RecordingSurface : public CommandSurface {
  public:
    void PaintSkin(ButtonSkin skin, bool reverse) override {
        static const char* const kNames[] = {"Normal",  "HighLight", "HighLightSelect",
                                             "Pressed", "Disable",   "Selected"};
        log.push_back(std::string(kNames[static_cast<int>(skin)]) + (reverse ? "/r" : ""));
    }
    void SetCaptionEnabled(bool enabled) override {
        log.push_back(enabled ? "caption" : "caption-disabled");
    }
    void PropertyChanged() override { log.push_back("changed"); }
    void Click() override { log.push_back("Click"); }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

// A button as the dialog has one after loading: enabled, initialised, never focused.
CommandButton LoadedButton() {
    CommandButton button;
    button.Enabled = true;
    button.FirstRun = 1;
    Initialize(button);
    return button;
}

TEST(CommandButton, PointerAndFocusSequences) {
    RecordingSurface s;
    {
        // Hover an unfocused button and click it: focus comes with the press.
        CommandButton b = LoadedButton();
        OnMouseMove(b, s);
        OnFocusReceived(b, s);
        OnMouseDown(b, s, MouseButton::kLeft);
        OnMouseUp(b, s, MouseButton::kLeft, true);
        EXPECT_EQ(s.Take(),
                  (Log{"HighLight/r", "Pressed/r", "Pressed/r", "HighLightSelect/r", "Click"}));
        EXPECT_EQ(b.State, ButtonState::kHighLightSelect);
        OnPointerTimer(b, s, true);
        EXPECT_TRUE(s.Take().empty());
        OnPointerTimer(b, s, false);  // moved away: Selected within one poll
        EXPECT_EQ(s.Take(), (Log{"Selected"}));
        EXPECT_EQ(b.State, ButtonState::kSelected);
    }
    {
        // Press on the focused button, drag off, come back and release: no click.
        CommandButton b = LoadedButton();
        OnFocusReceived(b, s);
        OnMouseMove(b, s);  // 3 -> 4
        OnMouseDown(b, s, MouseButton::kLeft);
        OnPointerTimer(b, s, false);  // 4 -> 3
        OnMouseMove(b, s);            // back over it, button still held: stays 3
        OnMouseUp(b, s, MouseButton::kLeft, true);
        EXPECT_EQ(s.Take(), (Log{"Selected", "HighLightSelect", "Pressed", "Selected"}));
        EXPECT_EQ(b.State, ButtonState::kSelected);
        // Only a new hover and press can click again.
        OnMouseMove(b, s);
        OnMouseDown(b, s, MouseButton::kLeft);
        OnMouseUp(b, s, MouseButton::kLeft, true);
        EXPECT_EQ(s.Take(), (Log{"HighLightSelect", "Pressed", "HighLightSelect", "Click"}));
    }
    {
        // Right and middle buttons neither press nor click a hovered button, as on any Windows
        // button; a left release that ends no press on the button does not click either.
        CommandButton b = LoadedButton();
        OnMouseMove(b, s);
        OnMouseDown(b, s, MouseButton::kRight);
        OnMouseUp(b, s, MouseButton::kRight, true);
        OnMouseDown(b, s, MouseButton::kMiddle);
        OnMouseUp(b, s, MouseButton::kMiddle, true);
        OnMouseUp(b, s, MouseButton::kLeft, true);
        EXPECT_EQ(s.Take(), (Log{"HighLight/r", "Normal/r"}));
        // A left release in state 2 draws Normal but keeps the state: the next move draws
        // nothing until the pointer has left.
        OnMouseDown(b, s, MouseButton::kLeft);
        OnMouseUp(b, s, MouseButton::kLeft, true);
        OnMouseMove(b, s);
        EXPECT_EQ(s.Take(), (Log{"Pressed/r", "Normal/r", "Click"}));
        EXPECT_EQ(b.State, ButtonState::kHighLight);
        OnPointerTimer(b, s, false);
        OnMouseMove(b, s);
        EXPECT_EQ(s.Take(), (Log{"Normal", "HighLight/r"}));
        OnFocusLost(b, s);
        EXPECT_EQ(s.Take(), (Log{"Normal"}));
    }
    {
        // A press dragged off quickly and released outside, before the poll saw the pointer go:
        // no click, and the face the poll would have drawn. The next press and release on it
        // clicks.
        CommandButton b = LoadedButton();
        OnMouseMove(b, s);
        OnFocusReceived(b, s);
        OnMouseDown(b, s, MouseButton::kLeft);
        OnMouseUp(b, s, MouseButton::kLeft, false);
        EXPECT_EQ(s.Take(), (Log{"HighLight/r", "Pressed/r", "Pressed/r", "Selected"}));
        EXPECT_EQ(b.State, ButtonState::kSelected);
        EXPECT_FALSE(b.MouseIsDown);
        OnMouseMove(b, s);
        OnMouseDown(b, s, MouseButton::kLeft);
        OnMouseUp(b, s, MouseButton::kLeft, true);
        EXPECT_EQ(s.Take(), (Log{"HighLightSelect", "Pressed", "HighLightSelect", "Click"}));
        // Unfocused, hovered (state 2): released outside goes back to Normal without a click.
        CommandButton u = LoadedButton();
        OnMouseMove(u, s);
        OnMouseDown(u, s, MouseButton::kLeft);
        OnMouseUp(u, s, MouseButton::kLeft, false);
        EXPECT_EQ(s.Take(), (Log{"HighLight/r", "Pressed/r", "Normal"}));
        EXPECT_EQ(u.State, ButtonState::kNormal);
    }
    {
        // Never initialised: no hover face, but focus still shows Selected.
        CommandButton b;
        b.Enabled = true;
        OnMouseMove(b, s);
        OnFocusReceived(b, s);
        EXPECT_EQ(s.Take(), (Log{"Selected"}));
    }
}

TEST(CommandButton, DisabledButtonsAndStoredProperties) {
    RecordingSurface s;
    CommandButton b = LoadedButton();
    SetEnabled(b, s, false);
    EXPECT_EQ(s.Take(), (Log{"changed", "Disable", "caption-disabled"}));
    OnMouseMove(b, s);
    OnFocusReceived(b, s);
    OnMouseDown(b, s, MouseButton::kLeft);
    OnMouseUp(b, s, MouseButton::kLeft, true);
    OnKeyPress(b, s);
    OnPointerTimer(b, s, false);
    EXPECT_TRUE(s.Take().empty());
    EXPECT_EQ(b.State, ButtonState::kNormal);

    // The dialog's own data: lower-case keys, as its form file has them, and the rest at the
    // read defaults; a missing caption is "Command1".
    const std::string ambient = "Arial";
    const PropertyBag stored{{{"_extentx", "2037"}, {"caption", u8"設定"}, {"font", "Tahoma"}}};
    CommandButton loaded;
    ReadProperties(loaded, s, stored, ambient);
    EXPECT_EQ(loaded.Caption, u8"設定");
    EXPECT_EQ(loaded.FontName, "Tahoma");
    EXPECT_TRUE(loaded.Enabled);
    EXPECT_EQ(loaded.FirstRun, 1);
    EXPECT_EQ(s.Take(), (Log{"caption", "Normal"}));
    CommandButton bare;
    ReadProperties(bare, s, PropertyBag{{{"Enabled", "0"}, {"FontColour", "255"}}}, ambient);
    EXPECT_EQ(bare.Caption, "Command1");
    EXPECT_EQ(bare.FontName, ambient);
    EXPECT_FALSE(bare.Enabled);
    EXPECT_EQ(bare.FontColour, 255u);
    EXPECT_TRUE(s.Take().empty());
}

}  // namespace
}  // namespace altostrat
