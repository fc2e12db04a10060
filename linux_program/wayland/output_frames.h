#pragma once
// Drawing follows the compositor's frame callbacks, output by output. Each picture is presented
// on an output's surface with a frame callback asked for it, which the compositor answers when it
// is a good time to present the next (the output's refresh). A pass draws the next picture while
// the last is still on its way, and presenting it waits for that answer: one picture ahead, as a
// swap interval of 1 keeps it, so drawing and the compositor's work overlap and the loop runs at
// the outputs' pace. An output the compositor has turned off (or hides) answers nothing; once its
// answer is kOutputFrameLateMs overdue it is neither drawn nor waited for, and it is drawn again
// as soon as the answer comes. (An output the compositor says is powered off is not drawable at
// all, whatever it answers.) With every output silent nothing is drawn and the loop waits for
// any event at all: no timer wakes it.

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
    bool pass = false;       // some output is drawn; otherwise wait for an event, however long
};

OutputFramePlan PlanOutputFrames(const std::vector<OutputFrame>& outputs, std::int64_t nowMs);

// How long presenting on OUTPUT still waits for the last picture's answer: 0 once it has come, -1
// once it is late (the picture is then not presented, nor a new answer asked for, so the output
// counts as silent from now on).
std::int64_t PresentWaitMs(const OutputFrame& output, std::int64_t nowMs);

}  // namespace altostrat
