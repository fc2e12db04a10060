#include "common/clock_format.h"

#include <cctype>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace altostrat {
namespace {

enum class Part { kHour24, kHour12, kMinute, kSecond, kDesignator, kText };

struct Token {
    Part part;
    int width;         // 1 or 2: the letter once or repeated
    std::string text;  // kText only
};

// The picture's letter for each part of the time, in the order of Part.
constexpr char kLetters[] = "Hhmst";

Part PartOf(char letter) {
    const char* found = std::char_traits<char>::find(kLetters, sizeof kLetters - 1, letter);
    return found != nullptr ? static_cast<Part>(found - kLetters) : Part::kText;
}

void AddText(std::vector<Token>& tokens, std::string_view text) {
    if (!tokens.empty() && tokens.back().part == Part::kText) {
        tokens.back().text += text;
    } else {
        tokens.push_back({Part::kText, 0, std::string(text)});
    }
}

std::vector<Token> ReadPicture(std::string_view picture) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            // A quoted text runs to the next quote; two quotes in a row stand for one.
            std::string text;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            AddText(tokens, text);
            continue;
        }
        const Part part = PartOf(c);
        if (part == Part::kText) {
            AddText(tokens, picture.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) {
            ++run;
        }
        tokens.push_back({part, run > 1 ? 2 : 1, std::string()});
        i += run;
    }
    return tokens;
}

bool StartsWithBlank(const std::string& text) {
    return text.empty() || text[0] == ' ' || text[0] == '\t';
}

// The seconds out, with the separator before them or the unit after them.
void DropSeconds(std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size();) {
        if (tokens[i].part != Part::kSecond) {
            ++i;
            continue;
        }
        const bool unitAfter = i + 1 < tokens.size() && tokens[i + 1].part == Part::kText &&
                               !StartsWithBlank(tokens[i + 1].text);
        if (unitAfter) {
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                         tokens.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (i > 0 && tokens[i - 1].part == Part::kText) {
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i - 1),
                         tokens.begin() + static_cast<std::ptrdiff_t>(i + 1));
            --i;
        } else {
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

bool TellsTime(const std::vector<Token>& tokens) {
    for (const Token& token : tokens) {
        if (token.part == Part::kHour24 || token.part == Part::kHour12 ||
            token.part == Part::kMinute) {
            return true;
        }
    }
    return false;
}

void AddNumber(std::string& text, int value, int width) {
    if (width == 2 && value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

// The first character of a UTF-8 text.
std::string FirstCharacter(const std::string& text) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return text.substr(0, length);
}

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return quoted + "'";
}

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

struct Conversion {
    std::string picture;
    bool lowerDesignators = false;
};

// The pictures of the strftime conversions that stand for a fixed part of a time of day.
constexpr std::pair<char, const char*> kPictures[] = {
    {'H', "HH"}, {'k', "H"},  {'I', "hh"},    {'l', "h"},        {'M', "mm"}, {'S', "ss"},
    {'p', "tt"}, {'P', "tt"}, {'R', "HH:mm"}, {'T', "HH:mm:ss"}, {'n', " "},  {'t', " "}};

// The picture for one strftime format; "%r" opens TWELVE_HOUR once.
void Convert(std::string_view format, std::string_view twelveHour, bool insideTwelveHour,
             Conversion& out) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            std::size_t end = format.find('%', i);
            end = end == std::string_view::npos ? format.size() : end;
            out.picture += Quoted(format.substr(i, end - i));
            i = end - 1;
            continue;
        }
        // Flags and the E and O modifiers change only padding or the digits' script.
        ++i;
        while (i < format.size() &&
               std::string_view("-_0^#EO").find(format[i]) != std::string_view::npos) {
            ++i;
        }
        if (i >= format.size()) {
            break;
        }
        for (const auto& [conversion, picture] : kPictures) {
            if (format[i] == conversion) {
                out.picture += picture;
                break;
            }
        }
        switch (format[i]) {
            case 'P':
                out.lowerDesignators = true;
                break;
            case 'r':
                Convert(insideTwelveHour || twelveHour.empty() ? "%I:%M:%S %p" : twelveHour, "",
                        true, out);
                break;
            case '%':
                out.picture += Quoted("%");
                break;
            default:
                break;
        }
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string PictureOf(const std::vector<Token>& tokens) {
    std::string picture;
    for (const Token& token : tokens) {
        if (token.part == Part::kText) {
            if (!token.text.empty()) {
                picture += Quoted(token.text);
            }
            continue;
        }
        picture.append(static_cast<std::size_t>(token.width),
                       kLetters[static_cast<int>(token.part)]);
    }
    return picture;
}

}  // namespace

std::string ClockText(const ClockFormat& format, int hour, int minute) {
    std::vector<Token> tokens = ReadPicture(format.picture);
    DropSeconds(tokens);
    if (!TellsTime(tokens)) {
        tokens = ReadPicture(ClockFormat().picture);
    }
    std::string text;
    for (const Token& token : tokens) {
        switch (token.part) {
            case Part::kHour24:
                AddNumber(text, hour, token.width);
                break;
            case Part::kHour12:
                AddNumber(text, hour % 12 == 0 ? 12 : hour % 12, token.width);
                break;
            case Part::kMinute:
                AddNumber(text, minute, token.width);
                break;
            case Part::kDesignator: {
                const std::string& designator = hour < 12 ? format.am : format.pm;
                text += token.width == 1 ? FirstCharacter(designator) : designator;
                break;
            }
            case Part::kSecond:
                break;
            case Part::kText:
                text += token.text;
                break;
        }
    }
    return Trimmed(text);
}

ClockFormat FitClockFormat(const ClockFormat& format,
                           const std::function<bool(std::string_view)>& drawable) {
    std::vector<Token> tokens = ReadPicture(format.picture);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token& token = tokens[i];
        if (token.part != Part::kText || drawable(token.text)) {
            continue;
        }
        const bool between = i > 0 && i + 1 < tokens.size();
        token.text = between ? ":" : "";
    }
    ClockFormat fitted;
    fitted.picture = PictureOf(tokens);
    const bool designatorsDrawn = drawable(format.am) && drawable(format.pm);
    fitted.am = designatorsDrawn ? format.am : "AM";
    fitted.pm = designatorsDrawn ? format.pm : "PM";
    return fitted;
}

ClockFormat ClockFormatFromStrftime(std::string_view format, std::string_view twelveHourFormat,
                                    std::string am, std::string pm) {
    Conversion conversion;
    Convert(format, twelveHourFormat, false, conversion);
    ClockFormat clock;
    clock.picture = conversion.picture;
    clock.am = conversion.lowerDesignators ? Lowered(std::move(am)) : std::move(am);
    clock.pm = conversion.lowerDesignators ? Lowered(std::move(pm)) : std::move(pm);
    return clock;
}

}  // namespace altostrat
