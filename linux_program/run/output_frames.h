#pragma once
// Drawing follows the compositor's frame callbacks, output by output. A picture is presented on
// an output's surface with a frame callback asked for it; the compositor answers when it is a
// good time to draw the next one (the output's refresh). A pass draws every output whose answer
// has come, once none is still expected soon: so outputs at one refresh rate are drawn in step,
// and the loop runs at their pace. An output the compositor has turned off (or hides) answers
// nothing; once its answer is kOutputFrameLateMs overdue the others no longer wait for it, and
// it is drawn again as soon as its answer comes. With every output silent, nothing is drawn and
// the loop waits for any event at all: no timer wakes it.

#include <cstdint>
#include <vector>

namespace altostrat {

constexpr std::int64_t kOutputFrameLateMs = 200;

struct OutputFrame {
    bool drawable = false;  // has a configured surface to draw on
    bool waiting = false;   // a picture was presented there and its frame callback has not come
    std::int64_t waitingSinceMs = 0;
};

struct OutputFramePlan {
    std::vector<bool> draw;  // per output: drawn in this pass
    bool pass = false;       // run a pass now (some output is drawn)
    int waitMs = -1;         // otherwise wait for events this long at most; -1: until one comes
};

OutputFramePlan PlanOutputFrames(const std::vector<OutputFrame>& outputs, std::int64_t nowMs);

}  // namespace altostrat
