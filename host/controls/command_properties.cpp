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

// Stored truth values are -1 and 0; anything else that is not 0 counts as true.
std::string BoolText(bool value) {
    return value ? "-1" : "0";
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

std::string ReadProperty(PropertyBag& bag, std::string_view key, std::string_view defaultValue) {
    bag.readOrder.emplace_back(key);
    for (const auto& [storedKey, value] : bag.entries) {
        if (SameKey(storedKey, key)) {
            return value;
        }
    }
    return std::string(defaultValue);
}

void WriteProperty(PropertyBag& bag, std::string_view key, std::string_view value,
                   std::string_view writeDefault) {
    for (auto it = bag.entries.begin(); it != bag.entries.end(); ++it) {
        if (SameKey(it->first, key)) {
            bag.entries.erase(it);
            break;
        }
    }
    if (value != writeDefault) {
        bag.entries.emplace_back(std::string(key), std::string(value));
    }
}

void ReadProperties(CommandButton& button, CommandSurface& surface, PropertyBag& bag,
                    std::string_view ambientFont) {
    button.Enabled = NumberOr(ReadProperty(bag, "Enabled", "-1"), -1) != 0;
    button.Caption = ReadProperty(bag, "Caption", "Command1");
    button.FontName = ReadProperty(bag, "Font", ambientFont);
    button.FirstRun = static_cast<std::uint8_t>(NumberOr(ReadProperty(bag, "FirstRun", "1"), 1));
    button.FontColour =
        static_cast<std::uint32_t>(NumberOr(ReadProperty(bag, "FontColour", "0"), 0));
    button.BackStyle = static_cast<std::int16_t>(NumberOr(ReadProperty(bag, "Visible", "1"), 1));
    RefreshLook(button, surface);
}

void WriteProperties(CommandButton& button, CommandSurface& surface, PropertyBag& bag,
                     std::string_view ambientFont) {
    WriteProperty(bag, "Enabled", BoolText(button.Enabled), "-1");
    WriteProperty(bag, "Caption", button.Caption, "Command");
    WriteProperty(bag, "FirstRun", std::to_string(button.FirstRun), "1");
    WriteProperty(bag, "Font", button.FontName, ambientFont);
    WriteProperty(bag, "FontColour", std::to_string(button.FontColour), "0");
    WriteProperty(bag, "Visible", std::to_string(button.BackStyle), "1");
    RefreshLook(button, surface);
}

}  // namespace altostrat
