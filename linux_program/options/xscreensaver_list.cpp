#include "linux_program/options/xscreensaver_list.h"

#include <cstddef>
#include <cstdlib>
#include <vector>

namespace altostrat {
namespace {

// The entry as xscreensaver's own files lay theirs out: tabs before the command, padding and the
// escaped newline after it. It ends the list, so no backslash joins a next line to it.
constexpr const char* kEntryLine = "\t\t\t\taltostrat --root\t\t\t\t    \\n";
// What follows "programs:" when the list starts on the next line, as xscreensaver writes it.
constexpr const char* kNameLinePadding = "\t\t\t\t\t\t\t\t      \\";

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

bool SameWord(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// A backslash at the very end joins the next line to this one.
bool Continues(const std::string& line) {
    return !line.empty() && line.back() == '\\';
}

// The position just after "NAME:" when the line sets that resource, as xscreensaver reads its
// file: the key before the first colon, spaces around it ignored, its case too; the
// app-defaults spelling "*NAME" is taken as well. npos for comments and other lines.
std::size_t ValueStart(const std::string& line, const char* name) {
    std::size_t offset = 0;
    while (offset < line.size() && IsSpace(line[offset])) {
        ++offset;
    }
    if (offset < line.size() && line[offset] == '*') {
        ++offset;
    }
    const std::size_t colon = line.find(':', offset);
    if (colon == std::string::npos || !SameWord(Trim(line.substr(offset, colon - offset)), name)) {
        return std::string::npos;
    }
    return colon + 1;
}

// The lines of a resource: its name's line and the first line after it that does not continue.
// A resource set twice takes its last value, so the last one is found.
struct Span {
    bool found = false;
    std::size_t first = 0;
    std::size_t last = 0;
};

Span FindResource(const Lines& lines, const char* name) {
    Span span;
    bool continued = false;
    for (std::size_t i = 0; i < lines.lines.size(); ++i) {
        const std::string& line = lines.lines[i];
        if (!continued && ValueStart(line, name) != std::string::npos) {
            span.found = true;
            span.first = i;
            span.last = i;
        } else if (continued && span.found && span.last + 1 == i) {
            span.last = i;
        }
        continued = Continues(line);
    }
    return span;
}

// One entry of the list: the lines it spans, its text with the escapes undone, and where its
// first character other than a blank stands in the file (a "-" there switches it off), with
// the length of that character's spelling (2 when escaped).
struct ListEntry {
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    std::string text;
    std::size_t startColumn = 0;
    std::size_t startLength = 1;
};

struct ParsedList {
    std::vector<ListEntry> entries;
    bool terminated = true;  // the last entry ends in "\n" (or there is none)
};

// The value of the resource read as xscreensaver reads it: a backslash at a line's end joins
// the next line, "\n" ends an entry, any other escaped character stands for itself, and an
// entry is what lies between two ends, if it is more than blanks.
ParsedList ParseList(const Lines& lines, const Span& span) {
    ParsedList list;
    std::string current;
    std::size_t first = std::string::npos;
    std::size_t column = 0;
    std::size_t length = 1;
    const auto finish = [&](std::size_t lastLine) {
        if (first != std::string::npos) {
            list.entries.push_back({first, lastLine, current, column, length});
        }
        current.clear();
        first = std::string::npos;
    };
    for (std::size_t i = span.first; i <= span.last; ++i) {
        const std::string& line = lines.lines[i];
        const std::size_t offset = i == span.first ? ValueStart(line, "programs") : 0;
        std::string content = line.substr(offset);
        if (Continues(content)) {
            content.pop_back();
        }
        for (std::size_t k = 0; k < content.size(); ++k) {
            const std::size_t at = k;
            char c = content[k];
            if (c == '\\' && k + 1 < content.size()) {
                const char escaped = content[++k];
                if (escaped == 'n') {
                    finish(i);
                    continue;
                }
                c = escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
            }
            if (first == std::string::npos && !IsSpace(c)) {
                first = i;
                column = offset + at;
                length = k + 1 - at;
            }
            current += c;
        }
    }
    list.terminated = first == std::string::npos;
    finish(span.last);
    return list;
}

// The command of one entry (whitespace collapsed) and whether it is switched on.
struct Entry {
    std::string command;
    bool enabled = true;
};

Entry ParseEntry(const std::string& text) {
    std::string rest = Trim(text);
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
bool IsOurs(const ListEntry& listEntry) {
    const Entry entry = ParseEntry(listEntry.text);
    const std::string program = entry.command.substr(0, entry.command.find(' '));
    const std::string name = "altostrat";
    return program == name ||
           (program.size() > name.size() &&
            program.compare(program.size() - name.size() - 1, name.size() + 1, "/" + name) == 0);
}

// Our entry after the list's last line, which then continues to it; an entry left open at the
// list's end is closed first, so that ours stays an entry of its own.
void AppendEntry(Lines& lines, const Span& span, const ParsedList& list) {
    std::string& last = lines.lines[span.last];
    if (!list.terminated) {
        last += " \\n";
    }
    const bool blankNameLine =
        span.last == span.first && Trim(last.substr(ValueStart(last, "programs"))).empty();
    last += blankNameLine ? kNameLinePadding : "\\";
    lines.lines.insert(lines.lines.begin() + static_cast<std::ptrdiff_t>(span.last) + 1,
                       kEntryLine);
}

// The number "selected:" holds, and where it stands in its line; false when the file has no
// such setting or its value is not a plain whole number.
struct Selection {
    std::size_t line = 0;
    std::size_t start = 0;  // of the number, sign included
    std::size_t length = 0;
    long value = 0;
};

bool FindSelection(const Lines& lines, Selection& selection) {
    const Span span = FindResource(lines, "selected");
    if (!span.found || span.last != span.first) {
        return false;
    }
    const std::string& line = lines.lines[span.first];
    std::size_t start = ValueStart(line, "selected");
    while (start < line.size() && IsSpace(line[start])) {
        ++start;
    }
    std::size_t end = start < line.size() && line[start] == '-' ? start + 1 : start;
    const std::size_t digits = end;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') {
        ++end;
    }
    if (end == digits || end - digits > 6 || !Trim(line.substr(end)).empty()) {
        return false;
    }
    selection.line = span.first;
    selection.start = start;
    selection.length = end - start;
    selection.value = std::strtol(line.c_str() + start, nullptr, 10);
    return true;
}

void SetSelection(Lines& lines, const Selection& selection, long value) {
    lines.lines[selection.line].replace(selection.start, selection.length, std::to_string(value));
}

}  // namespace

HackListEdit AddToHackList(const std::string* userFile) {
    HackListEdit edit;
    Lines lines = Split(userFile != nullptr ? *userFile : std::string());
    const Span span = FindResource(lines, "programs");
    // Where our entry lands in the list xscreensaver makes: after the user's own entries.
    std::size_t position = 0;
    if (span.found) {
        const ParsedList list = ParseList(lines, span);
        const ListEntry* disabled = nullptr;
        for (const ListEntry& entry : list.entries) {
            if (IsOurs(entry) && ParseEntry(entry.text).enabled) {
                edit.text = *userFile;
                return edit;
            }
            if (IsOurs(entry) && disabled == nullptr) {
                disabled = &entry;
            }
        }
        if (disabled != nullptr) {
            // Switched off in the settings: on again, in its place, by taking out its own "-"
            // and nothing else; the rest of its line (other entries too) stays as it was.
            lines.lines[disabled->firstLine].erase(disabled->startColumn, disabled->startLength);
            edit.text = Join(lines);
            edit.changed = true;
            return edit;
        }
        AppendEntry(lines, span, list);
        position = list.entries.size();
    } else {
        if (userFile == nullptr) {
            lines.lines = {"# XScreenSaver Preferences File",
                           "# Written by \"altostrat --add-to-xscreensaver\". xscreensaver adds "
                           "the system's hacks",
                           "# to this list, and takes every setting not made here from the "
                           "system's defaults.",
                           ""};
        }
        if (!lines.lines.empty() && !Trim(lines.lines.back()).empty()) {
            lines.lines.push_back("");
        }
        lines.lines.push_back(std::string("programs:") + kNameLinePadding);
        lines.lines.push_back(kEntryLine);
        lines.finalNewline = true;
    }
    Selection selection;
    if (FindSelection(lines, selection) && selection.value >= static_cast<long>(position)) {
        SetSelection(lines, selection, selection.value + 1);
    }
    edit.text = Join(lines);
    edit.changed = true;
    return edit;
}

HackListEdit RemoveFromHackList(const std::string& userFile) {
    HackListEdit edit;
    edit.text = userFile;
    Lines lines = Split(userFile);
    const Span span = FindResource(lines, "programs");
    if (!span.found) {
        return edit;
    }
    const std::vector<ListEntry> entries = ParseList(lines, span).entries;
    std::vector<bool> removed(entries.size(), false);
    std::size_t listLast = span.last;  // entries after the one at hand are gone already
    for (std::size_t j = entries.size(); j-- > 0;) {
        const ListEntry& entry = entries[j];
        // An entry sharing a line with another is hand-made: it is left as it is.
        const bool shared = (j > 0 && entries[j - 1].lastLine == entry.firstLine) ||
                            (j + 1 < entries.size() && entries[j + 1].firstLine == entry.lastLine);
        if (!IsOurs(entry) || shared) {
            continue;
        }
        const bool endsList = entry.lastLine == listLast;
        std::size_t eraseFrom = entry.firstLine;
        if (entry.firstLine == span.first) {
            // On the name's line: the name stays, with the continuation the entry's end had.
            std::string& name = lines.lines[span.first];
            name = name.substr(0, ValueStart(name, "programs")) +
                   (Continues(lines.lines[entry.lastLine]) ? "\\" : "");
            eraseFrom = entry.firstLine + 1;
        }
        lines.lines.erase(lines.lines.begin() + static_cast<std::ptrdiff_t>(eraseFrom),
                          lines.lines.begin() + static_cast<std::ptrdiff_t>(entry.lastLine) + 1);
        listLast -= entry.lastLine + 1 - eraseFrom;
        // The line before now ends the list: it must not join the file's next line.
        if (endsList && eraseFrom > span.first && Continues(lines.lines[eraseFrom - 1])) {
            lines.lines[eraseFrom - 1].pop_back();
        }
        removed[j] = true;
        edit.changed = true;
    }
    if (!edit.changed) {
        return edit;
    }
    Selection selection;
    if (FindSelection(lines, selection) && selection.value >= 0) {
        const auto chosen = static_cast<std::size_t>(selection.value);
        long before = 0;
        for (std::size_t j = 0; j < entries.size() && j < chosen; ++j) {
            before += removed[j] ? 1 : 0;
        }
        const bool chosenRemoved = chosen < entries.size() && removed[chosen];
        SetSelection(lines, selection, chosenRemoved ? -1 : selection.value - before);
    }
    edit.text = Join(lines);
    return edit;
}

}  // namespace altostrat
