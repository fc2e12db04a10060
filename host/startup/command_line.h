#pragma once
// Reading the screensaver command line: "/s" run, "/p HANDLE" preview inside a window of the
// Display Properties dialog, "/c" settings; the first character may be anything.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace altostrat {

// The text after the program's own path (quoted or not) and the blanks and control characters
// that follow it, the rest unchanged: "\"C:\\a b\\x.scr\" /p 1234" gives "/p 1234".
//
// An unquoted path may hold blanks (a screen saver registered by its long path under
// "C:\\Users\\Taro Yamada"), so the command line is first compared with programPaths, the
// forms of the module's own path (long, short): the longest of those, or of their tails after a
// backslash (a path given relative to the current folder), that the command line starts with,
// ending at a blank or at its end, is skipped, letter case ignored. Only when none matches does
// the path end at the first blank, as the C runtime's start-up code ends it.
std::string ArgumentsOf(std::string_view commandLine,
                        const std::vector<std::string>& programPaths = {});

// The second character of the arguments, ASCII letters upper-cased; "" when there are fewer
// than two characters. The first character is never looked at.
std::string ModeLetter(std::string_view arguments);

// The arguments from their fourth character on, read by the leading-number rule: "/p 1234",
// "/P:1234" and "xp 1234" all give 1234; "/p" alone, or a number that does not fit 32 bits,
// gives 0.
std::int32_t PreviewParentOf(std::string_view arguments);

}  // namespace altostrat
