#pragma once
// The profile (INI) text format, read and edited as bytes the way the Windows profile functions
// treat it:
//   - "[name]" starts a section; "name=value" is an entry; a line starting with ';' is a comment;
//   - section and key names match without regard to the case of ASCII letters;
//   - blanks around names and values do not count, and one pair of quotes (double or single)
//     enclosing a value is dropped on reading;
//   - only the first section of a name counts, and in it the first entry of a key.
// An edit changes one line or adds one; every other byte of the text stays as it was, and lines
// it writes end in CR LF.
//
// In Shift-JIS text the second byte of a two-byte character may look like '[', ']' or an ASCII
// letter; the scanner steps over such pairs, so those bytes are never taken for syntax and never
// folded to lower case.

#include <optional>
#include <string>
#include <string_view>

namespace altostrat {

enum class IniCharset {
    kCp932,  // Shift-JIS bytes, the file's own form
    kUtf8,   // a file that carries a UTF-8 or UTF-16 byte-order mark, converted to UTF-8
};

// The value of KEY in SECTION, or nothing when there is no such entry. The value ends at a NUL
// byte, as it would in the buffer of a profile function.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key, IniCharset charset);

// Names and values that SetIniValue can write so that they read back as themselves: names are
// non-empty, without blanks at either end, without line ends or NUL; a section name has no ']';
// a key has no '=' and does not start with ';' or '['. A value only needs to be free of line
// ends and NUL (its outer blanks are written but, as on Windows, not read back).
bool IsWritableSectionName(std::string_view name, IniCharset charset);
bool IsWritableKeyName(std::string_view name, IniCharset charset);
bool IsWritableValue(std::string_view value);

// The text with KEY in SECTION set to VALUE: the entry's line is replaced, or a new line goes
// after the last non-blank line of the section, or the section is added at the end. The names
// and value must pass the checks above.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value, IniCharset charset);

}  // namespace altostrat
