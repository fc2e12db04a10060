#include "flight/scene/daylight_scene.h"

#include <cmath>

#include "flight/gl/gl_headers.h"
#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"
#include "flight/scene/texture_upload.h"

namespace altostrat {
namespace {

void TakeMinute(RendererState& state, int minute) {
    DaylightState& daylight = state.daylight;
    daylight.minute = minute;
    daylight.colours = DaylightAt(minute);
    UploadMipmappedPicture(state.textures.sky,
                           MakeSkyPicture(daylight.skyTexels, daylight.colours));
    UploadMipmappedPicture(state.textures.glow, MakeGlowPicture(daylight.colours));
}

}  // namespace

int LocalMinuteOfDay(const ScenePlatform& platform) {
    if (!platform.localMinutes) {
        return static_cast<int>(kMiddayMinutes);
    }
    const double minutes = std::fmod(std::floor(platform.localMinutes()), kMinutesPerDay);
    if (!(minutes >= 0.0)) {
        return std::isnan(minutes) ? static_cast<int>(kMiddayMinutes)
                                   : static_cast<int>(minutes + kMinutesPerDay);
    }
    return static_cast<int>(minutes);
}

void SetUpDaylight(RendererState& state, const ScenePlatform& platform) {
    if (!state.options.skyFollowsClock) {
        return;
    }
    state.daylight.skyTexels = MakeSkyTexels(kDaylightSkySize);
    state.daylight.stars = MakeStars();
    TakeMinute(state, LocalMinuteOfDay(platform));
}

void FollowDaylight(RendererState& state, int minute) {
    if (!state.options.skyFollowsClock || minute == state.daylight.minute) {
        return;
    }
    TakeMinute(state, minute);
    ApplyDaylightColours(state.daylight.colours);
}

void DrawStars(const RendererState& state, float viewYaw) {
    const float starlight = state.daylight.colours.stars;
    if (!state.options.skyFollowsClock || starlight <= 0.0f) {
        return;
    }
    // Beyond the ground drawn around the aircraft, so hills hide them, but nearer than the sky
    // sphere, whose flat facets pass several hundred units above the camera; unfogged, as their
    // own brightness already fades them towards the horizon.
    constexpr float kDistance = 400.0f;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_POINT_SMOOTH);
    glLoadIdentity();
    glRotatef(viewYaw, 0.0f, 1.0f, 0.0f);
    // The few bright ones a little larger.
    for (const bool bright : {false, true}) {
        glPointSize(bright ? 2.4f : 1.6f);
        glBegin(GL_POINTS);
        for (const SkyStar& star : state.daylight.stars) {
            if ((star.brightness > 0.7f) != bright) {
                continue;
            }
            const float light = star.brightness * starlight;
            glColor4f(light * (1.0f + 0.2f * star.warmth), light,
                      light * (1.0f - 0.2f * star.warmth), 1.0f);
            glVertex3f(star.x * kDistance, star.y * kDistance, star.z * kDistance);
        }
        glEnd();
    }
    glPointSize(1.0f);
    glDisable(GL_POINT_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glEnable(GL_FOG);
    glEnable(GL_TEXTURE_2D);
}

void ApplyDaylightColours(const DaylightColours& colours) {
    const DaylightColour& fog = colours.fog;
    const float fogColour[4] = {fog.r, fog.g, fog.b, 1.0f};
    glClearColor(fog.r, fog.g, fog.b, 1.0f);
    glFogfv(GL_FOG_COLOR, fogColour);
    const DaylightColour& a = colours.lightAmbient;
    const DaylightColour& d = colours.lightDiffuse;
    const float ambient[4] = {a.r, a.g, a.b, 1.0f};
    const float diffuse[4] = {d.r, d.g, d.b, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
}

}  // namespace altostrat
