#include "host/startup/command_line.h"

#include "common/utf8.h"
#include "host/text/leading_number.h"

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

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The command line starts with path, letter case ignored, and the path ends there.
bool StartsWithPath(std::string_view commandLine, std::string_view path) {
    if (path.empty() || commandLine.size() < path.size()) {
        return false;
    }
    for (std::size_t k = 0; k < path.size(); ++k) {
        if (FoldCase(commandLine[k]) != FoldCase(path[k])) {
            return false;
        }
    }
    return commandLine.size() == path.size() || IsSeparator(commandLine[path.size()]);
}

// The length of the longest form of the program's own path (or tail of one, after a backslash)
// that the command line starts with; 0 when none.
std::size_t KnownPathLength(std::string_view commandLine,
                            const std::vector<std::string>& programPaths) {
    std::size_t longest = 0;
    for (const std::string& path : programPaths) {
        for (std::size_t from = 0; from < path.size(); ++from) {
            if (from > 0 && path[from - 1] != '\\') {
                continue;
            }
            const std::string_view tail = std::string_view(path).substr(from);
            if (tail.size() > longest && StartsWithPath(commandLine, tail)) {
                longest = tail.size();
            }
        }
    }
    return longest;
}

}  // namespace

std::string ArgumentsOf(std::string_view commandLine,
                        const std::vector<std::string>& programPaths) {
    std::size_t i = 0;
    if (i < commandLine.size() && commandLine[i] == '"') {
        // Quoted: up to the closing quote, blanks and all.
        const std::size_t close = commandLine.find('"', 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else if (const std::size_t known = KnownPathLength(commandLine, programPaths); known > 0) {
        i = known;
    } else {
        while (i < commandLine.size() && !IsSeparator(commandLine[i])) {
            ++i;
        }
    }
    while (i < commandLine.size() && IsSeparator(commandLine[i])) {
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
