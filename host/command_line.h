#pragma once
// Reading the screensaver command line: "/s" run, "/p HANDLE" preview inside a window of the
// Display Properties dialog, "/c" settings; the first character may be anything.

#include <cstdint>
#include <string>
#include <string_view>

namespace altostrat {

// The text after the program's own path (quoted or not) and the blanks and control characters
// that follow it, the rest unchanged: "\"C:\\a b\\x.scr\" /p 1234" gives "/p 1234".
std::string ArgumentsOf(std::string_view commandLine);

// The second character of the arguments, ASCII letters upper-cased; "" when there are fewer
// than two characters. The first character is never looked at.
std::string ModeLetter(std::string_view arguments);

// The arguments from their fourth character on, read by the leading-number rule: "/p 1234",
// "/P:1234" and "xp 1234" all give 1234; "/p" alone, or a number that does not fit 32 bits,
// gives 0.
std::int32_t PreviewParentOf(std::string_view arguments);

}  // namespace altostrat
