#include "linux_program/x11/display_power.h"

#include <X11/extensions/dpms.h>
#include <poll.h>

namespace altostrat {
namespace {

constexpr std::chrono::milliseconds kQuestionPeriod{500};
constexpr int kPoweredDownWaitMilliseconds = 100;

}  // namespace

void WaitForXEvents(Display* display) {
    if (XPending(display) > 0) {
        return;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, kPoweredDownWaitMilliseconds);
}

void WatchDisplayPower(Display* display, DisplayPower& power) {
    XGetScreenSaver(display, &power.timeout, &power.interval, &power.preferBlanking,
                    &power.allowExposures);
    power.blankingSaved = true;
    if (power.timeout != 0) {
        XSetScreenSaver(display, 0, power.interval, power.preferBlanking, power.allowExposures);
    }
    int eventBase = 0;
    int errorBase = 0;
    power.dpms = DPMSQueryExtension(display, &eventBase, &errorBase) && DPMSCapable(display);
    power.nextQuestion = std::chrono::steady_clock::now();
}

void RestoreServerBlanking(Display* display, DisplayPower& power) {
    if (!power.blankingSaved) {
        return;
    }
    power.blankingSaved = false;
    int timeout = 0;
    int interval = 0;
    int preferBlanking = 0;
    int allowExposures = 0;
    XGetScreenSaver(display, &timeout, &interval, &preferBlanking, &allowExposures);
    if (timeout == 0 && power.timeout != 0) {
        XSetScreenSaver(display, power.timeout, power.interval, power.preferBlanking,
                        power.allowExposures);
    }
}

bool DisplayPoweredDown(Display* display, DisplayPower& power) {
    if (!power.dpms) {
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= power.nextQuestion) {
        power.nextQuestion = now + kQuestionPeriod;
        CARD16 level = DPMSModeOn;
        BOOL enabled = False;
        power.poweredDown = DPMSInfo(display, &level, &enabled) && enabled && level != DPMSModeOn;
    }
    return power.poweredDown;
}

}  // namespace altostrat
