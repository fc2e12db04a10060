// The clock's text and place, against real formats: Windows' time pictures for its locales
// (LOCALE_STIMEFORMAT with LOCALE_S1159 and LOCALE_S2359) and glibc's locale sources (t_fmt,
// t_fmt_ampm, am_pm), with the text the user would read at that minute.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "common/clock_format.h"
#include "flight/clock/clock_place.h"
#include "flight/clock/pixel_font.h"

namespace altostrat {
namespace {

struct TextCase {
    const char* locale;
    ClockFormat format;
    int hour;
    int minute;
    const char* text;   // as the user's locale writes it, without the seconds
    const char* drawn;  // as the pixel font draws it
};

void ExpectTexts(const TextCase& c) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(ClockText(c.format, c.hour, c.minute), c.text);
    EXPECT_EQ(ClockText(FitClockFormat(c.format, PixelFontDraws), c.hour, c.minute), c.drawn);
}

TEST(ClockText, WindowsTimePicturesInBothHourStyles) {
    const TextCase cases[] = {
        {"en-US", {"h:mm:ss tt", "AM", "PM"}, 0, 5, "12:05 AM", "12:05 AM"},
        {"en-US", {"h:mm:ss tt", "AM", "PM"}, 13, 7, "1:07 PM", "1:07 PM"},
        {"en-US", {"h:mm:ss tt", "AM", "PM"}, 12, 0, "12:00 PM", "12:00 PM"},
        {"en-GB", {"HH:mm:ss", "AM", "PM"}, 9, 5, "09:05", "09:05"},
        {"de-DE", {"HH:mm:ss", "", ""}, 23, 59, "23:59", "23:59"},
        {"ja-JP", {"H:mm:ss", u8"午前", u8"午後"}, 9, 5, "9:05", "9:05"},
        {"ko-KR", {"tt h:mm:ss", u8"오전", u8"오후"}, 15, 30, u8"오후 3:30", "PM 3:30"},
        {"zh-TW", {"tt hh:mm:ss", u8"上午", u8"下午"}, 8, 1, u8"上午 08:01", "AM 08:01"},
        // A single t is the designator's first character; quoted text stands as written.
        {"user's own", {"h:mm t", "AM", "PM"}, 18, 45, "6:45 P", "6:45 P"},
        {"user's own", {"HH'h'mm", "", ""}, 7, 30, "07h30", "07h30"},
        {"user's own", {"H'時'mm'分'ss'秒'", "", ""}, 21, 3, u8"21時03分", "21:03"},
        // A picture telling no time is the 24-hour default.
        {"broken", {"ss", "", ""}, 7, 30, "07:30", "07:30"},
    };
    for (const TextCase& c : cases) {
        ExpectTexts(c);
    }
}

TEST(ClockText, GlibcLocaleFormatsInBothHourStyles) {
    struct StrftimeCase {
        const char* locale;
        const char* tFmt;
        const char* tFmtAmPm;
        const char* am;
        const char* pm;
        int hour;
        int minute;
        const char* text;
        const char* drawn;
    };
    const StrftimeCase cases[] = {
        {"C", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM", 13, 7, "13:07", "13:07"},
        {"en_US", "%r", "%I:%M:%S %p", "AM", "PM", 13, 7, "01:07 PM", "01:07 PM"},
        {"en_US", "%r", "%I:%M:%S %p", "AM", "PM", 0, 0, "12:00 AM", "12:00 AM"},
        {"en_IN", "%I:%M:%S %p %Z", "%I:%M:%S %p %Z", "AM", "PM", 9, 5, "09:05 AM", "09:05 AM"},
        {"en_GB", "%T", "%l:%M:%S %P %Z", "am", "pm", 21, 3, "21:03", "21:03"},
        {"de_DE", "%T", "", "", "", 0, 0, "00:00", "00:00"},
        {"ja_JP", u8"%H時%M分%S秒", u8"%p%I時%M分%S秒", u8"午前", u8"午後", 13, 7, u8"13時07分",
         "13:07"},
        {"ko_KR", u8"%H시 %M분 %S초", u8"%p %I시 %M분 %S초", u8"오전", u8"오후", 13, 7,
         u8"13시 07분", "13:07"},
        {"ar_EG", "%Z %I:%M:%S %p", "%I:%M:%S %p", u8"ص", u8"م", 13, 7, u8"01:07 م", "01:07 PM"},
        {"fa_IR", "%OH:%OM:%OS", "", "", "", 8, 9, "08:09", "08:09"},
        // The 12-hour format's own conversions: the blank-padded hour and lower-case designators.
        {"12-hour, %l %P", "%l:%M %P", "", "AM", "PM", 16, 20, "4:20 pm", "4:20 pm"},
    };
    for (const StrftimeCase& c : cases) {
        ExpectTexts({c.locale, ClockFormatFromStrftime(c.tFmt, c.tFmtAmPm, c.am, c.pm), c.hour,
                     c.minute, c.text, c.drawn});
    }
}

// Every minute of a day the plate lies whole inside the area's bottom right quarter, the font
// grows with the area, and the drift box's sixteen places are each visited in sixteen minutes,
// each minute's place differing from the last both across and up.
TEST(ClockPlace, KeepsToTheCornerAndMovesEveryMinute) {
    const std::pair<ScreenRect, int> areas[] = {
        {{0, 0, 152, 112}, 1},
        {{0, 0, 1024, 768}, 3},
        {{0, 0, 3840, 2160}, 10},
        {{1920, 0, 3200, 1024}, 5}};  // the primary's part of a panorama
    const int width = PixelTextWidth("12:05 AM");
    for (const auto& [area, scale] : areas) {
        EXPECT_EQ(ClockScale(area.Height()), scale);
        std::set<std::pair<int, int>> places;
        ScreenRect last{};
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const ScreenRect plate = ClockPlate(area, width, minute);
            ASSERT_GE(plate.left, area.left + area.Width() / 2) << minute;
            ASSERT_GE(plate.top, area.top + area.Height() / 2) << minute;
            ASSERT_LE(plate.right, area.right) << minute;
            ASSERT_LE(plate.bottom, area.bottom) << minute;
            if (minute > 0) {
                ASSERT_NE(plate.left, last.left) << minute;
                ASSERT_NE(plate.top, last.top) << minute;
            }
            if (minute < 16) {
                places.insert({plate.left, plate.top});
            }
            EXPECT_EQ(plate, ClockPlate(area, width, minute + 16));
            last = plate;
        }
        EXPECT_EQ(places.size(), 16u);
    }
}

TEST(ClockPlace, DimsWithTheNightLikeTheAircraft) {
    EXPECT_FLOAT_EQ(ClockBrightness(MiddayColours()), 1.0f);
    const float night = ClockBrightness(DaylightAt(2 * 60));
    EXPECT_LT(night, 0.5f);
    EXPECT_GE(night, 0.3f);
    EXPECT_GT(ClockBrightness(DaylightAt(6 * 60 + 30)), night);
}

}  // namespace
}  // namespace altostrat
