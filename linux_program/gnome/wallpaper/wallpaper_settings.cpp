#include "linux_program/gnome/wallpaper/wallpaper_settings.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/utf8.h"

namespace altostrat {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// DIGITS hexadecimal digits at TEXT's start; -1 if they are not all there.
long Hex(std::string_view text, std::size_t digits) {
    if (text.size() < digits) {
        return -1;
    }
    long value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
}

// A GVariant string as GVariant prints it: in single quotes, or in double quotes when it holds
// a single quote; a backslash before the quote, a backslash, a control letter or a \u or \U
// code. Anything else (a number, a list, an escape GVariant does not write) is no string.
std::optional<std::string> GVariantString(std::string_view text) {
    if (text.size() < 2 || (text.front() != '\'' && text.front() != '"') ||
        text.back() != text.front()) {
        return std::nullopt;
    }
    const char quote = text.front();
    text = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == quote) {
            return std::nullopt;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        const std::string_view controls = "a\ab\bf\fn\nr\rt\tv\v";
        const std::size_t control = controls.find(text[i]);
        if (text[i] == '\\' || text[i] == '\'' || text[i] == '"') {
            out += text[i];
        } else if (control != std::string_view::npos && control % 2 == 0) {
            out += controls[control + 1];
        } else if (text[i] == 'u' || text[i] == 'U') {
            const std::size_t digits = text[i] == 'u' ? 4 : 8;
            const long code = Hex(text.substr(i + 1), digits);
            if (code <= 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
                return std::nullopt;
            }
            AppendUtf8(out, static_cast<char32_t>(code));
            i += digits;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char a = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (a != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The local path of a file:// URI, percent-decoded, or why there is none. A %00 would end the
// path early at the system's door, so it is refused with the other broken escapes.
std::string PathOfUri(std::string_view uri, std::string& refusal) {
    if (!StartsWithNoCase(uri, "file://")) {
        refusal = std::string(uri) + ": not a local file";
        return "";
    }
    std::string_view rest = uri.substr(7);
    if (StartsWithNoCase(rest, "localhost/")) {
        rest.remove_prefix(9);
    }
    if (rest.empty() || rest.front() != '/') {
        refusal = std::string(uri) + ": not a local file";
        return "";
    }
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            path += rest[i];
            continue;
        }
        const long byte = Hex(rest.substr(i + 1), 2);
        if (byte <= 0) {
            refusal = std::string(uri) + ": a broken file URI";
            return "";
        }
        path += static_cast<char>(byte);
        i += 2;
    }
    const std::string_view xml = ".xml";
    if (path.size() >= xml.size() && StartsWithNoCase(path.substr(path.size() - xml.size()), xml)) {
        refusal = path + ": a slideshow, not one picture";
        return "";
    }
    return path;
}

// #rrggbb or #rgb; black for anything else, as GNOME draws a colour it cannot read.
RgbColour Colour(std::string_view text) {
    RgbColour colour{};
    const bool shortForm = text.size() == 4;
    if (text.empty() || text.front() != '#' || (text.size() != 7 && !shortForm)) {
        return colour;
    }
    for (std::size_t c = 0; c < 3; ++c) {
        const long value =
            shortForm ? Hex(text.substr(1 + c), 1) * 17 : Hex(text.substr(1 + 2 * c), 2);
        if (value < 0) {
            return RgbColour{};
        }
        colour[c] = static_cast<std::uint8_t>(value);
    }
    return colour;
}

// GNOME's picture-options; nothing for 'none' (no picture).
std::optional<PictureFit> Fit(std::string_view option) {
    if (option == "none") {
        return std::nullopt;
    }
    if (option == "wallpaper") {
        return PictureFit::kTile;
    }
    if (option == "centered") {
        return PictureFit::kCentre;
    }
    if (option == "scaled") {
        return PictureFit::kFit;
    }
    if (option == "stretched") {
        return PictureFit::kStretch;
    }
    if (option == "spanned") {
        return PictureFit::kSpan;
    }
    return PictureFit::kFill;  // 'zoom', GNOME's default
}

}  // namespace

Wallpaper ReadWallpaper(const WallpaperTexts& texts) {
    Wallpaper wallpaper;
    wallpaper.colour = Colour(GVariantString(texts.primaryColor).value_or(""));
    const std::optional<PictureFit> fit =
        Fit(GVariantString(texts.pictureOptions).value_or("zoom"));
    if (!fit) {
        return wallpaper;
    }
    wallpaper.fit = *fit;
    const bool dark = GVariantString(texts.colorScheme).value_or("") == "prefer-dark";
    std::string uri = dark ? GVariantString(texts.pictureUriDark).value_or("") : "";
    if (uri.empty()) {
        uri = GVariantString(texts.pictureUri).value_or("");
    }
    if (!uri.empty()) {
        wallpaper.path = PathOfUri(uri, wallpaper.refusal);
    }
    return wallpaper;
}

}  // namespace altostrat
