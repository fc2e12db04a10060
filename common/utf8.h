#pragma once
// UTF-8 is the host's text inside; UTF-16 is what Windows takes at its wide entry points and what
// a Unicode settings file may hold. Every malformed sequence becomes U+FFFD, so a conversion
// never fails and never reads past the end of its input.

#include <cstddef>
#include <string>
#include <string_view>

namespace altostrat {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character starting at text[pos] (pos < size); pos moves past it. A malformed or cut-off
// sequence (overlong form, surrogate, above U+10FFFF, missing continuation) gives U+FFFD and
// moves pos by one byte.
char32_t NextUtf8(std::string_view text, std::size_t& pos);

// True when the text holds no malformed sequence.
bool IsValidUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

std::u16string Utf8ToUtf16(std::string_view text);

// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace altostrat
