#include "linux_program/wayland/idle/reconnect_schedule.h"

namespace altostrat {

std::int64_t ReconnectAttemptMs(int attempt) {
    constexpr std::int64_t kFirst[] = {250, 500, 1000};
    if (attempt < 0) {
        return -1;
    }
    if (attempt < 3) {
        return kFirst[attempt];
    }
    const std::int64_t at = 1000 * static_cast<std::int64_t>(attempt - 1);
    return at <= kReconnectForMs ? at : -1;
}

}  // namespace altostrat
