#pragma once
// Windows code page 932 (Shift-JIS as Windows has it), the encoding of the settings file on
// every system. One table serves every build, so the file reads the same natively, in the
// fuzzers and on Windows of any language; the Windows tests check it against the system's own.

#include <optional>
#include <string>
#include <string_view>

namespace altostrat {

// The character Windows gives for a byte sequence that is not a character of the code page.
constexpr char32_t kCp932Unknown = 0x30FB;

// 0x81-0x9F and 0xE0-0xFC start a two-byte character.
bool IsCp932LeadByte(unsigned char byte);

// 0x40-0x7E and 0x80-0xFC may follow a lead byte. Control characters, the blank and '=' never
// can, which keeps line ends and separators recognisable in any file.
bool IsCp932TrailByte(unsigned char byte);

// A lead byte with a valid second byte is one character (kCp932Unknown when the pair has no
// mapping); a lead byte without one becomes kCp932Unknown alone and the next byte is read anew.
std::string Cp932ToUtf8(std::string_view bytes);

// A character that code page 932 cannot hold becomes '?': no look-alike substitutions, so a
// path that cannot be stored never silently names another file.
std::string Utf8ToCp932(std::string_view text);

// The same, but nothing at all when any character has no place in code page 932 or the text is
// not well-formed UTF-8: for text that must arrive exactly, such as a path.
std::optional<std::string> Utf8ToCp932Exactly(std::string_view text);

// Both directions for one character; nothing (false / 0 bytes) where there is no mapping.
char32_t Cp932Character(unsigned char lead, unsigned char trail);
bool Cp932Bytes(char32_t character, std::string& out);

}  // namespace altostrat
