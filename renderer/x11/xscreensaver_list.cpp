#include "renderer/x11/xscreensaver_list.h"

#include <cstddef>
#include <vector>

namespace altostrat {
namespace {

// The entry as xscreensaver's own files lay theirs out: tabs before the command, padding and the
// escaped newline after it.
constexpr const char* kEntryLine = "\t\t\t\taltostrat --root\t\t\t\t    \\n";

struct Lines {
    std::vector<std::string> lines;  // without their '\n'
    bool finalNewline = true;
};

Lines Split(const std::string& text) {
    Lines result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            result.lines.push_back(text.substr(start));
            result.finalNewline = false;
            break;
        }
        result.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

std::string Join(const Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.lines.size(); ++i) {
        text += lines.lines[i];
        if (i + 1 < lines.lines.size() || lines.finalNewline) {
            text += '\n';
        }
    }
    return text;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// A backslash at the very end joins the next line to this one.
bool Continues(const std::string& line) {
    return !line.empty() && line.back() == '\\';
}

// The first and last line of a resource: its name's line and the first line after it that does
// not continue.
struct Span {
    bool found = false;
    std::size_t first = 0;
    std::size_t last = 0;
};

// The position just after "programs:" (or "*programs:") when the line names that resource.
std::size_t ProgramsValueStart(const std::string& line) {
    std::size_t offset = 0;
    while (offset < line.size() && IsSpace(line[offset])) {
        ++offset;
    }
    for (const std::string key : {"programs:", "*programs:"}) {
        if (line.compare(offset, key.size(), key) == 0) {
            return offset + key.size();
        }
    }
    return std::string::npos;
}

Span FindPrograms(const Lines& lines) {
    Span span;
    bool continued = false;
    for (std::size_t i = 0; i < lines.lines.size(); ++i) {
        const std::string& line = lines.lines[i];
        if (!span.found && !continued && ProgramsValueStart(line) != std::string::npos) {
            span.found = true;
            span.first = i;
        }
        if (span.found && !Continues(line)) {
            span.last = i;
            return span;
        }
        continued = Continues(line);
    }
    if (span.found) {
        span.last = lines.lines.size() - 1;
    }
    return span;
}

// The command of one entry (whitespace collapsed) and whether it is switched on.
struct Entry {
    std::string command;
    bool enabled = true;
};

Entry ParseEntry(const std::string& text) {
    std::string rest = Trim(text);
    if (Continues(rest)) {
        rest = Trim(rest.substr(0, rest.size() - 1));
    }
    if (rest.size() >= 2 && rest.compare(rest.size() - 2, 2, "\\n") == 0) {
        rest = Trim(rest.substr(0, rest.size() - 2));
    }
    Entry entry;
    if (!rest.empty() && rest[0] == '-') {
        entry.enabled = false;
        rest = Trim(rest.substr(1));
    }
    // A visual name ("GL:", "default:") before the command.
    const std::size_t firstSpace = rest.find_first_of(" \t");
    const std::string firstWord = rest.substr(0, firstSpace);
    if (!firstWord.empty() && firstWord.back() == ':') {
        rest = firstSpace == std::string::npos ? std::string() : Trim(rest.substr(firstSpace));
    }
    // A name in quotes for the settings list.
    if (!rest.empty() && rest[0] == '"') {
        const std::size_t close = rest.find('"', 1);
        rest = close == std::string::npos ? std::string() : Trim(rest.substr(close + 1));
    }
    bool space = false;
    for (char c : rest) {
        if (IsSpace(c)) {
            space = true;
            continue;
        }
        if (space && !entry.command.empty()) {
            entry.command += ' ';
        }
        space = false;
        entry.command += c;
    }
    return entry;
}

// Entries that run this program, by whatever path and with whatever options.
bool IsOurs(const Entry& entry) {
    const std::string program = entry.command.substr(0, entry.command.find(' '));
    const std::string name = "altostrat";
    return program == name ||
           (program.size() > name.size() &&
            program.compare(program.size() - name.size() - 1, name.size() + 1, "/" + name) == 0);
}

// The text of the entry held by line i of the span: the value after the name on its first line.
std::string EntryText(const Lines& lines, const Span& span, std::size_t i) {
    const std::string& line = lines.lines[i];
    return i == span.first ? line.substr(ProgramsValueStart(line)) : line;
}

// Puts our entry first in the resource. Only the name's line may change, when the value starts
// on it: the name then keeps its line and the old value moves to the next one.
void InsertEntry(Lines& lines, const Span& span) {
    std::string& first = lines.lines[span.first];
    const std::size_t valueStart = ProgramsValueStart(first);
    std::string value = first.substr(valueStart);
    const bool valueOnNameLine =
        !Trim(Continues(value) ? value.substr(0, value.size() - 1) : value).empty();
    const bool moreFollow = Continues(first) || valueOnNameLine;
    const std::string entry = std::string(kEntryLine) + (moreFollow ? "\\" : "");
    std::vector<std::string> inserted{entry};
    if (valueOnNameLine) {
        first = first.substr(0, valueStart) + "\t\t\t\t\t\t\t\t      \\";
        inserted.push_back(value);
    } else if (!Continues(first)) {
        first += "\t\t\t\t\t\t\t\t      \\";
    }
    lines.lines.insert(lines.lines.begin() + static_cast<std::ptrdiff_t>(span.first) + 1,
                       inserted.begin(), inserted.end());
}

// A "programs" resource of the system's list, for a file that has none yet.
Lines SystemList(const std::string& systemDefaults) {
    const Lines system = Split(systemDefaults);
    const Span span = FindPrograms(system);
    Lines list;
    if (!span.found) {
        list.lines.push_back("programs:");
        return list;
    }
    list.lines.assign(system.lines.begin() + static_cast<std::ptrdiff_t>(span.first),
                      system.lines.begin() + static_cast<std::ptrdiff_t>(span.last) + 1);
    // The app-defaults file's "*programs:" is "programs:" in the user's file.
    std::string& first = list.lines.front();
    const std::size_t star = first.find('*');
    if (star != std::string::npos && star < ProgramsValueStart(first)) {
        first.erase(star, 1);
    }
    return list;
}

}  // namespace

HackListEdit AddToHackList(const std::string* userFile, const std::string& systemDefaults) {
    HackListEdit edit;
    Lines lines = Split(userFile != nullptr ? *userFile : std::string());
    Span span = FindPrograms(lines);
    if (span.found) {
        std::size_t disabled = std::string::npos;
        for (std::size_t i = span.first; i <= span.last; ++i) {
            const Entry entry = ParseEntry(EntryText(lines, span, i));
            if (IsOurs(entry) && entry.enabled) {
                edit.text = *userFile;
                return edit;
            }
            if (IsOurs(entry) && disabled == std::string::npos && i != span.first) {
                disabled = i;
            }
        }
        if (disabled != std::string::npos) {
            // The user switched it off in the settings: on again, the rest of its line as it was.
            std::string& line = lines.lines[disabled];
            line.erase(line.find('-'), 1);
        } else {
            InsertEntry(lines, span);
        }
    } else {
        if (userFile == nullptr) {
            lines.lines = {"# XScreenSaver Preferences File",
                           "# The system's list of hacks, with altostrat added by "
                           "\"altostrat --add-to-xscreensaver\".",
                           ""};
        } else if (!lines.lines.empty() && !lines.finalNewline) {
            lines.finalNewline = true;
        }
        const std::size_t at = lines.lines.size();
        Lines list = SystemList(systemDefaults);
        lines.lines.insert(lines.lines.end(), list.lines.begin(), list.lines.end());
        lines.finalNewline = true;
        span = FindPrograms(lines);
        span.first = at;
        InsertEntry(lines, span);
    }
    edit.text = Join(lines);
    edit.changed = true;
    return edit;
}

HackListEdit RemoveFromHackList(const std::string& userFile) {
    HackListEdit edit;
    edit.text = userFile;
    Lines lines = Split(userFile);
    const Span span = FindPrograms(lines);
    if (!span.found) {
        return edit;
    }
    for (std::size_t i = span.last + 1; i-- > span.first;) {
        if (!IsOurs(ParseEntry(EntryText(lines, span, i)))) {
            continue;
        }
        std::string& line = lines.lines[i];
        if (i == span.first) {
            line = line.substr(0, ProgramsValueStart(line)) + (Continues(line) ? "\\" : "");
        } else {
            const bool wasLast = !Continues(line);
            lines.lines.erase(lines.lines.begin() + static_cast<std::ptrdiff_t>(i));
            // The line before now ends the resource: it must not join the file's next line.
            std::string& previous = lines.lines[i - 1];
            if (wasLast && Continues(previous)) {
                previous.pop_back();
            }
        }
        edit.changed = true;
    }
    if (edit.changed) {
        edit.text = Join(lines);
    }
    return edit;
}

}  // namespace altostrat
