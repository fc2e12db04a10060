// Which ways of photographing the desktop are tried, in which order, for what compositors offer:
// sway and the other wlroots desktops of today (screen copy), newer ones (image copy capture
// beside screen copy), KWin (its D-Bus photograph), GNOME (nothing), and the half-offers that
// leave a way unusable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linux_program/wayland/capture/capture_order.h"

namespace altostrat {
namespace {

using Order = std::vector<CaptureSource>;
constexpr CaptureSource kExt = CaptureSource::kImageCopyCapture;
constexpr CaptureSource kWlr = CaptureSource::kScreencopy;
constexpr CaptureSource kKWin = CaptureSource::kKWinScreenShot;

CaptureOffers Offers(bool ext, bool source, bool wlr, bool shm, bool kde, bool bus, int outputs) {
    CaptureOffers offers;
    offers.imageCopyCapture = ext;
    offers.outputCaptureSource = source;
    offers.screencopy = wlr;
    offers.shm = shm;
    offers.kde = kde;
    offers.sessionBus = bus;
    offers.outputs = outputs;
    return offers;
}

TEST(CaptureOrder, EachCompositorsOffersGiveTheirWaysBestFirst) {
    const struct {
        const char* compositor;
        CaptureOffers offers;
        Order order;
        const char* reason;  // a word of the reason when there is no way
    } cases[] = {
        {"sway 1.7", Offers(false, false, true, true, false, true, 2), {kWlr}, ""},
        {"newer wlroots", Offers(true, true, true, true, false, true, 1), {kExt, kWlr}, ""},
        {"capture without output sources",
         Offers(true, false, true, true, false, true, 1),
         {kWlr},
         ""},
        {"KWin", Offers(false, false, false, true, true, true, 2), {kKWin}, ""},
        {"KWin without a session bus",
         Offers(false, false, false, true, true, false, 2),
         {},
         "session bus"},
        {"a copy protocol but no shared memory",
         Offers(false, false, true, false, false, true, 1),
         {},
         "shared memory"},
        {"nothing offered", Offers(false, false, false, true, false, true, 1), {}, "no way"},
        {"no output", Offers(true, true, true, true, true, true, 0), {}, "no output"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptureOrder(c.offers), c.order) << c.compositor;
        if (c.order.empty()) {
            EXPECT_NE(NoCaptureReason(c.offers).find(c.reason), std::string::npos)
                << c.compositor << ": " << NoCaptureReason(c.offers);
        }
    }
    // KDE's own globals, as KWin 5.27 lists them, mark KWin; wlroots' and the common ones do not.
    for (const char* kde :
         {"org_kde_kwin_idle", "kde_output_device_v2", "org_kde_kwin_dpms_manager"}) {
        EXPECT_TRUE(IsKdeGlobal(kde)) << kde;
    }
    for (const char* other : {"zwlr_layer_shell_v1", "ext_idle_notifier_v1", "wl_output"}) {
        EXPECT_FALSE(IsKdeGlobal(other)) << other;
    }
}

}  // namespace
}  // namespace altostrat
