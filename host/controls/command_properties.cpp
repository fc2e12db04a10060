#include "host/controls/command_properties.h"

#include <charconv>

namespace altostrat {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// A stored number that does not read as one (or does not fit) keeps the read default.
long NumberOr(std::string_view text, long defaultValue) {
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return defaultValue;
    }
    return value;
}

}  // namespace

std::string ReadProperty(const PropertyBag& bag, std::string_view key,
                         std::string_view defaultValue) {
    for (const auto& [storedKey, value] : bag.entries) {
        if (SameKey(storedKey, key)) {
            return value;
        }
    }
    return std::string(defaultValue);
}

void ReadProperties(CommandButton& button, CommandSurface& surface, const PropertyBag& bag,
                    std::string_view ambientFont) {
    // Stored truth values are -1 and 0; anything else that is not 0 counts as true.
    button.Enabled = NumberOr(ReadProperty(bag, "Enabled", "-1"), -1) != 0;
    button.Caption = ReadProperty(bag, "Caption", "Command1");
    button.FontName = ReadProperty(bag, "Font", ambientFont);
    button.FirstRun = static_cast<std::uint8_t>(NumberOr(ReadProperty(bag, "FirstRun", "1"), 1));
    button.FontColour =
        static_cast<std::uint32_t>(NumberOr(ReadProperty(bag, "FontColour", "0"), 0));
    button.BackStyle = static_cast<std::int16_t>(NumberOr(ReadProperty(bag, "Visible", "1"), 1));
    RefreshLook(button, surface);
}

}  // namespace altostrat
