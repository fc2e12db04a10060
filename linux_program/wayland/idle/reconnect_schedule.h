#pragma once
// When --idle asks for the compositor again after its connection broke. A compositor that
// restarts itself after a crash (KWin does) is back within a second or two, so the first tries
// come soon; then one a second, until 30 s after the loss, when the program gives up and says so.

#include <cstdint>

namespace altostrat {

constexpr std::int64_t kReconnectForMs = 30000;

// The time after the loss, in milliseconds, of try ATTEMPT (0 the first); -1 once past
// kReconnectForMs: no more tries.
std::int64_t ReconnectAttemptMs(int attempt);

}  // namespace altostrat
