#include "linux_program/wayland/capture/capture_order.h"

namespace altostrat {

bool IsKdeGlobal(const std::string& interface) {
    return interface.rfind("org_kde_kwin_", 0) == 0 || interface.rfind("kde_", 0) == 0;
}

std::vector<CaptureSource> CaptureOrder(const CaptureOffers& offers) {
    std::vector<CaptureSource> order;
    if (offers.outputs <= 0) {
        return order;
    }
    if (offers.shm && offers.imageCopyCapture && offers.outputCaptureSource) {
        order.push_back(CaptureSource::kImageCopyCapture);
    }
    if (offers.shm && offers.screencopy) {
        order.push_back(CaptureSource::kScreencopy);
    }
    if (offers.kde && offers.sessionBus) {
        order.push_back(CaptureSource::kKWinScreenShot);
    }
    return order;
}

std::string NoCaptureReason(const CaptureOffers& offers) {
    if (offers.outputs <= 0) {
        return "the compositor names no output";
    }
    if (offers.kde && !offers.sessionBus) {
        return "KWin photographs the screen only over D-Bus, and there is no session bus";
    }
    if ((offers.imageCopyCapture || offers.screencopy) && !offers.shm) {
        return "the compositor offers no shared memory to copy the screen into";
    }
    return "the compositor offers no way to photograph the screen";
}

const char* CaptureSourceName(CaptureSource source) {
    switch (source) {
        case CaptureSource::kImageCopyCapture:
            return "ext-image-copy-capture";
        case CaptureSource::kScreencopy:
            return "wlr-screencopy";
        case CaptureSource::kKWinScreenShot:
            return "KWin ScreenShot2";
        case CaptureSource::kNone:
            break;
    }
    return "none";
}

}  // namespace altostrat
