#include "host/settings/ini_text.h"

#include "host/text/cp932.h"

namespace altostrat {

namespace {

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsIniSpace(s.front())) {
        s.remove_prefix(1);
    }
    // Blanks and control bytes are never the second byte of a Shift-JIS pair, so trimming from
    // the end cannot split a character.
    while (!s.empty() && IsIniSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The index after the character that starts at s[i].
std::size_t Step(std::string_view s, std::size_t i, IniCharset charset) {
    if (charset == IniCharset::kCp932 && IsCp932LeadByte(static_cast<unsigned char>(s[i])) &&
        i + 1 < s.size() && IsCp932TrailByte(static_cast<unsigned char>(s[i + 1]))) {
        return i + 2;
    }
    return i + 1;
}

// Where the single-byte character c stands, or npos; bytes inside two-byte characters do not
// count. With last, the last such place.
std::size_t FindSingle(std::string_view s, char c, IniCharset charset, bool last = false) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t next = Step(s, i, charset);
        if (next == i + 1 && s[i] == c) {
            found = i;
            if (!last) {
                break;
            }
        }
        i = next;
    }
    return found;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b, IniCharset charset) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t nextA = Step(a, i, charset);
        const std::size_t nextB = Step(b, j, charset);
        if (nextA - i != nextB - j) {
            return false;
        }
        if (nextA - i == 1 ? LowerAscii(a[i]) != LowerAscii(b[j])
                           : a.substr(i, 2) != b.substr(j, 2)) {
            return false;
        }
        i = nextA;
        j = nextB;
    }
    return i == a.size() && j == b.size();
}

struct Line {
    std::size_t begin = 0;  // first byte of the content
    std::size_t end = 0;    // after the content, before CR LF or LF
    std::size_t next = 0;   // first byte of the next line
    bool hasLineEnd() const { return next > end; }
};

bool NextLine(std::string_view text, std::size_t& pos, Line& line) {
    if (pos >= text.size()) {
        return false;
    }
    const std::size_t lf = text.find('\n', pos);
    line.begin = pos;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    if (lf != std::string_view::npos && line.end > line.begin && text[line.end - 1] == '\r') {
        --line.end;
    }
    pos = line.next;
    return true;
}

enum class LineKind { kBlank, kComment, kSection, kEntry, kOther };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;
    std::string_view value;
};

ParsedLine ParseLine(std::string_view content, IniCharset charset) {
    ParsedLine parsed;
    const std::string_view s = Trim(content);
    if (s.empty()) {
        parsed.kind = LineKind::kBlank;
        return parsed;
    }
    if (s.front() == ';') {
        parsed.kind = LineKind::kComment;
        return parsed;
    }
    if (s.front() == '[') {
        const std::size_t close = FindSingle(s, ']', charset, true);
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::kSection;
            parsed.name = Trim(s.substr(1, close - 1));
        }
        return parsed;  // an opening bracket without a closing one: a line that matches nothing
    }
    const std::size_t equals = FindSingle(s, '=', charset);
    if (equals != std::string_view::npos) {
        parsed.kind = LineKind::kEntry;
        parsed.name = Trim(s.substr(0, equals));
        parsed.value = Trim(s.substr(equals + 1));
    }
    return parsed;
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWritableName(std::string_view name) {
    return !name.empty() && !HasLineBreakOrNul(name) && !IsIniSpace(name.front()) &&
           !IsIniSpace(name.back());
}

// Walks the first section named SECTION, as the profile functions see it: the lines after its
// header up to the next header, each handed to VISIT with its parsed form until VISIT answers
// true. The header line, or nothing when the text holds no such section.
template <typename Visit>
std::optional<Line> WalkFirstSection(std::string_view text, std::string_view section,
                                     IniCharset charset, Visit visit) {
    std::optional<Line> header;
    std::size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        const ParsedLine parsed =
            ParseLine(text.substr(line.begin, line.end - line.begin), charset);
        if (parsed.kind == LineKind::kSection) {
            if (header) {
                break;  // past the end of the first section of that name
            }
            if (NamesEqual(parsed.name, section, charset)) {
                header = line;
            }
        } else if (header && visit(line, parsed)) {
            break;
        }
    }
    return header;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key, IniCharset charset) {
    std::optional<std::string> found;
    WalkFirstSection(text, section, charset, [&](const Line&, const ParsedLine& parsed) {
        if (parsed.kind != LineKind::kEntry || !NamesEqual(parsed.name, key, charset)) {
            return false;
        }
        std::string_view value = parsed.value;
        value = value.substr(0, value.find('\0'));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        found = std::string(value);
        return true;
    });
    return found;
}

bool IsWritableSectionName(std::string_view name, IniCharset charset) {
    return IsWritableName(name) && FindSingle(name, ']', charset) == std::string_view::npos;
}

bool IsWritableKeyName(std::string_view name, IniCharset charset) {
    return IsWritableName(name) && FindSingle(name, '=', charset) == std::string_view::npos &&
           name.front() != ';' && name.front() != '[';
}

bool IsWritableValue(std::string_view value) {
    return !HasLineBreakOrNul(value);
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value, IniCharset charset) {
    std::string entry(key);
    entry += '=';
    entry.append(value);

    std::optional<Line> keyLine;
    std::optional<Line> lastFilled;  // the section's last non-blank line after its header
    const std::optional<Line> header =
        WalkFirstSection(text, section, charset, [&](const Line& line, const ParsedLine& parsed) {
            if (parsed.kind == LineKind::kEntry && NamesEqual(parsed.name, key, charset)) {
                keyLine = line;
                return true;
            }
            if (parsed.kind != LineKind::kBlank) {
                lastFilled = line;
            }
            return false;
        });

    std::string out;
    if (keyLine) {
        out.assign(text.substr(0, keyLine->begin));
        out += entry;
        out.append(text.substr(keyLine->end));
        return out;
    }
    if (header) {
        const Line& insertAfter = lastFilled ? *lastFilled : *header;
        out.assign(text.substr(0, insertAfter.next));
        if (!insertAfter.hasLineEnd()) {
            out += "\r\n";
        }
        out += entry;
        out += "\r\n";
        out.append(text.substr(insertAfter.next));
        return out;
    }
    out.assign(text);
    if (!out.empty() && out.back() != '\n') {
        out += "\r\n";
    }
    out += '[';
    out.append(section);
    out += "]\r\n";
    out += entry;
    out += "\r\n";
    return out;
}

}  // namespace altostrat
