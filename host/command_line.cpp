#include "host/command_line.h"

#include "common/utf8.h"
#include "host/leading_number.h"

namespace altostrat {

namespace {

// The byte offset of the character with the given index, or the text's size.
std::size_t CharacterOffset(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < text.size(); ++i) {
        NextUtf8(text, pos);
    }
    return pos;
}

}  // namespace

std::string ArgumentsOf(std::string_view commandLine) {
    std::size_t i = 0;
    // The program path as Windows' own start-up code takes it: up to the closing quote when it
    // starts with one, else up to the first blank or control character.
    if (i < commandLine.size() && commandLine[i] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) > ' ') {
            ++i;
        }
    }
    while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) <= ' ') {
        ++i;
    }
    return std::string(commandLine.substr(i));
}

std::string ModeLetter(std::string_view arguments) {
    const std::size_t start = CharacterOffset(arguments, 1);
    if (start >= arguments.size()) {
        return "";
    }
    std::size_t end = start;
    NextUtf8(arguments, end);
    std::string letter(arguments.substr(start, end - start));
    if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z') {
        letter[0] = static_cast<char>(letter[0] - 'a' + 'A');
    }
    return letter;
}

std::int32_t PreviewParentOf(std::string_view arguments) {
    const std::size_t start = CharacterOffset(arguments, 3);
    return LeadingNumberAsInt32(arguments.substr(start)).value_or(0);
}

}  // namespace altostrat
