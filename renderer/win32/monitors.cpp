#include "renderer/win32/monitors.h"

#include "common/win32/screen_reading.h"

namespace altostrat {

std::vector<Monitor> ListMonitors() {
    std::vector<Monitor> monitors;
    for (const MonitorPlace& place : ReadScreenLayout().monitors) {
        monitors.push_back({place.rect, place.primary});
    }
    return monitors;
}

}  // namespace altostrat
