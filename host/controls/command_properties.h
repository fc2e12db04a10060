#pragma once
// The button's stored properties: what its container keeps of it in the form's data, and how
// they come back.
//
// Keys are matched without regard to letter case (the dialog's data holds "caption" and
// "font"). A property equal to its write default is not stored, and reading a missing key
// gives the read default, which differs for the caption: a caption of exactly "Command" is not
// stored and comes back as "Command1". Only the face name of a stored font is applied.

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
    std::vector<std::string> readOrder;  // the keys asked for, in order
};

// Reads KEY (any letter case) or gives DEFAULT_VALUE; the request is logged in readOrder.
std::string ReadProperty(PropertyBag& bag, std::string_view key, std::string_view defaultValue);
// Stores VALUE under KEY unless it equals WRITE_DEFAULT.
void WriteProperty(PropertyBag& bag, std::string_view key, std::string_view value,
                   std::string_view writeDefault);

// Loads the button: Enabled, Caption, Font, FirstRun, FontColour, Visible, then RefreshLook.
// AMBIENT_FONT is the container's font face, the default of "Font".
void ReadProperties(CommandButton& button, CommandSurface& surface, PropertyBag& bag,
                    std::string_view ambientFont);
// Saves it: Enabled, Caption, FirstRun, Font, FontColour, Visible, then RefreshLook.
void WriteProperties(CommandButton& button, CommandSurface& surface, PropertyBag& bag,
                     std::string_view ambientFont);

}  // namespace altostrat
