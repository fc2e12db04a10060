#include "flight/scene/clock_scene.h"

#include "flight/clock/clock_place.h"
#include "flight/clock/system_clock_format.h"
#include "flight/gl/gl_headers.h"
#include "flight/scene/daylight_scene.h"
#include "flight/scene/pixel_overlay.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {
namespace {

// Half-transparent black: light digits on it stand out over snow and over night alike, and the
// ground still shows through.
constexpr float kPlateAlpha = 0.55f;
// The digits' colour at full light: a soft white, a little warm.
constexpr float kDigits[3] = {1.0f, 0.97f, 0.90f};

void Rectangle(int left, int top, int right, int bottom) {
    glVertex2i(left, top);
    glVertex2i(right, top);
    glVertex2i(right, bottom);
    glVertex2i(left, bottom);
}

}  // namespace

void SetUpClock(RendererState& state, const ScenePlatform& platform) {
    if (!state.options.showClock) {
        return;
    }
    const ClockFormat user = platform.clockFormat ? platform.clockFormat() : SystemClockFormat();
    state.clock.format = FitClockFormat(user, PixelFontDraws);
    state.clock.minute = -1;
    FollowClock(state, LocalMinuteOfDay(platform));
}

void FollowClock(RendererState& state, int minute) {
    ClockState& clock = state.clock;
    if (!state.options.showClock || minute == clock.minute) {
        return;
    }
    clock.minute = minute;
    clock.text = ClockText(clock.format, minute / 60, minute % 60);
    clock.runs = LayOutPixelText(clock.text);
}

void DrawClock(const RendererState& state) {
    const ClockState& clock = state.clock;
    if (!state.options.showClock || clock.text.empty()) {
        return;
    }
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const ScreenRect whole{0, 0, viewport[2], viewport[3]};
    const bool ownArea = state.clockArea.Width() > 0 && state.clockArea.Height() > 0;
    const ScreenRect area = ownArea ? state.clockArea : whole;
    const int scale = ClockScale(area.Height());
    const ScreenRect plate = ClockPlate(area, PixelTextWidth(clock.text), clock.minute);
    const float light =
        state.options.skyFollowsClock ? ClockBrightness(state.daylight.colours) : 1.0f;

    // The window's own pixels, top-left origin, as the clock's place is given.
    BeginPixelOverlay(whole.right, whole.bottom, OverlayOrigin::kTopLeft);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glBegin(GL_QUADS);
    glColor4f(0.0f, 0.0f, 0.0f, kPlateAlpha);
    Rectangle(plate.left, plate.top, plate.right, plate.bottom);
    glColor4f(kDigits[0] * light, kDigits[1] * light, kDigits[2] * light, 1.0f);
    const int textLeft = plate.left + kClockPadding * scale;
    const int textBottom = plate.bottom - kClockPadding * scale;
    for (const PixelRun& run : clock.runs) {
        const int left = textLeft + run.x * scale;
        const int bottom = textBottom - run.y * scale;
        Rectangle(left, bottom - scale, left + run.length * scale, bottom);
    }
    glEnd();
    EndPixelOverlay();
}

}  // namespace altostrat
