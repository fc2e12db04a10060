#include "flight/sky/local_time.h"

#include <time.h>

#include "flight/sky/daylight.h"

namespace altostrat {

double SystemLocalMinutes() {
    const time_t now = time(nullptr);
    tm local{};
#ifdef _WIN32
    const bool read = now != static_cast<time_t>(-1) && localtime_s(&local, &now) == 0;
#else
    // localtime_r, unlike localtime, need not look at TZ again by itself.
    tzset();
    const bool read = now != static_cast<time_t>(-1) && localtime_r(&now, &local) != nullptr;
#endif
    if (!read) {
        return kMiddayMinutes;
    }
    return local.tm_hour * 60.0 + local.tm_min + local.tm_sec / 60.0;
}

}  // namespace altostrat
