#pragma once
// The user's time format as Windows keeps it for the user's region settings: the long time
// picture (LOCALE_STIMEFORMAT, the one GetTimeFormatEx writes by) and the two designators, with
// whatever the user changed there. The clock leaves the seconds out as TIME_NOSECONDS would.

#include "common/clock_format.h"

namespace altostrat {

// The default 24-hour format when Windows tells none.
ClockFormat UserClockFormat();

}  // namespace altostrat
