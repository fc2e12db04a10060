#include "linux_program/run/output_frames.h"

#include <algorithm>

namespace altostrat {

OutputFramePlan PlanOutputFrames(const std::vector<OutputFrame>& outputs, std::int64_t nowMs) {
    OutputFramePlan plan;
    plan.draw.assign(outputs.size(), false);
    bool anyReady = false;
    std::int64_t soonestLate = -1;  // when the first answer still expected becomes late
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputFrame& o = outputs[i];
        if (!o.drawable) {
            continue;
        }
        if (!o.waiting) {
            plan.draw[i] = true;
            anyReady = true;
            continue;
        }
        const std::int64_t late = o.waitingSinceMs + kOutputFrameLateMs;
        if (late > nowMs) {
            soonestLate = soonestLate < 0 ? late : std::min(soonestLate, late);
        }
    }
    if (anyReady && soonestLate < 0) {
        plan.pass = true;
        return plan;
    }
    plan.draw.assign(outputs.size(), false);
    plan.waitMs = soonestLate < 0 ? -1 : static_cast<int>(soonestLate - nowMs);
    return plan;
}

}  // namespace altostrat
