#pragma once
// The time as the user writes it. A format is kept in Windows' time picture notation, the one
// the user's locale gives on Windows (H and HH the hour of 24, h and hh the hour of 12, m and mm
// the minute, s and ss the second, t and tt the morning or afternoon designator, text in single
// quotes and any other character as it stands), with the locale's two designators; the Linux
// program's strftime formats are turned into the same notation.
//
// The clock changes once a minute, so its text never holds the seconds. They go as Windows'
// TIME_NOSECONDS takes them: with the separator before them ("h:mm:ss tt" gives "h:mm tt"), or,
// where a unit follows them ("H時mm分ss秒"), with that unit, so the minute keeps its own.

#include <functional>
#include <string>
#include <string_view>

namespace altostrat {

struct ClockFormat {
    std::string picture = "HH:mm";
    std::string am = "AM";
    std::string pm = "PM";
};

// HOUR (0 to 23) and MINUTE (0 to 59) written in FORMAT, without the seconds and without blanks
// at either end. A designator written "t" is its first character. A picture that names neither
// hour nor minute is taken as "HH:mm".
std::string ClockText(const ClockFormat& format, int hour, int minute);

// FORMAT as a font with only some characters can draw it: a text DRAWABLE refuses becomes ":"
// between two parts of the time ("H時mm分" gives "H:mm") and goes elsewhere, and designators it
// refuses become "AM" and "PM", so the hour keeps the user's style and order.
ClockFormat FitClockFormat(const ClockFormat& format,
                           const std::function<bool(std::string_view)>& drawable);

// The format for a strftime time format (nl_langinfo's T_FMT) with the locale's 12-hour format
// (T_FMT_AMPM, which "%r" stands for) and its two designators. Conversions that tell no part
// of a time of day are left out.
ClockFormat ClockFormatFromStrftime(std::string_view format, std::string_view twelveHourFormat,
                                    std::string am, std::string pm);

}  // namespace altostrat
