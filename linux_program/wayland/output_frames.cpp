#include "linux_program/wayland/output_frames.h"

namespace altostrat {

OutputFramePlan PlanOutputFrames(const std::vector<OutputFrame>& outputs, std::int64_t nowMs) {
    OutputFramePlan plan;
    plan.draw.assign(outputs.size(), false);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        plan.draw[i] = outputs[i].drawable && PresentWaitMs(outputs[i], nowMs) >= 0;
        plan.pass = plan.pass || plan.draw[i];
    }
    return plan;
}

std::int64_t PresentWaitMs(const OutputFrame& output, std::int64_t nowMs) {
    if (!output.waiting) {
        return 0;
    }
    const std::int64_t late = output.waitingSinceMs + kOutputFrameLateMs;
    return late > nowMs ? late - nowMs : -1;
}

}  // namespace altostrat
