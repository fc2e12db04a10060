#pragma once
// The button's stored properties: how what its container keeps of it in the form's data comes
// back.
//
// Keys are matched without regard to letter case (the dialog's data holds "caption" and
// "font"). A missing key gives the read default, "Command1" for the caption. Only the face name
// of a stored font is applied.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/controls/command_button.h"

namespace altostrat {

// A form's stored data for one control: keys and values as text, in the order written.
struct PropertyBag {
    std::vector<std::pair<std::string, std::string>> entries;
};

// Reads KEY (any letter case) or gives DEFAULT_VALUE.
std::string ReadProperty(const PropertyBag& bag, std::string_view key,
                         std::string_view defaultValue);

// Loads the button: Enabled, Caption, Font, FirstRun, FontColour, Visible, then RefreshLook.
// AMBIENT_FONT is the container's font face, the default of "Font".
void ReadProperties(CommandButton& button, CommandSurface& surface, const PropertyBag& bag,
                    std::string_view ambientFont);

}  // namespace altostrat
