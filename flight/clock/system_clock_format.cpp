#include "flight/clock/system_clock_format.h"

#ifndef _WIN32
#include <langinfo.h>
#include <locale.h>
#endif

namespace altostrat {

ClockFormat SystemClockFormat() {
#ifdef _WIN32
    return ClockFormat();
#else
    // An environment naming a locale this machine lacks gets the C locale's format.
    locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) {
        user = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
        if (user == static_cast<locale_t>(0)) {
            return ClockFormat();
        }
    }
    ClockFormat format =
        ClockFormatFromStrftime(nl_langinfo_l(T_FMT, user), nl_langinfo_l(T_FMT_AMPM, user),
                                nl_langinfo_l(AM_STR, user), nl_langinfo_l(PM_STR, user));
    freelocale(user);
    return format;
#endif
}

}  // namespace altostrat
