// One frame of the flight: the terrain around the aircraft wearing the desktop picture, the
// sky sphere, the aircraft and the sun glow, seen by a chase camera 10 units behind.
//
// The terrain cells wind counter-clockwise seen from above, so they are drawn with
// counter-clockwise front faces and back faces culled: the camera sees the ground's upper
// side. The one-unit path draws the cells twice at identical depths; its second pass lets
// equal depths through so that the desktop picture is multiplied onto the first layer.
//
// The desktop picture lies on the ground as a map on a table: flying at heading 0 (towards -z,
// decreasing grid column) goes towards the picture's top with its left on the left. The
// picture's rows run bottom first, so its t coordinate must fall as the column grows.
#include <cmath>

#include "flight/gl/gl_headers.h"
#include "flight/scene/clock_scene.h"
#include "flight/scene/daylight_scene.h"
#include "flight/scene/scene.h"
#include "flight/sky/sky_geometry.h"
#include "flight/terrain/terrain_window.h"

namespace altostrat {
namespace {

constexpr float kPeriod = static_cast<float>(kTerrainPeriod);
constexpr float kGroundTextureScale = 0.002f;
constexpr float kFineTextureFactor = 57.0f;
constexpr float kChaseDistance = 10.0f;

// The ground of a run without its desktop picture: a muted green-grey that reads as land under
// the fog's pale blue, neither a white sheet nor a second sky.
constexpr float kPlainGround[4] = {0.50f, 0.56f, 0.44f, 1.0f};
constexpr float kWhiteColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};

// How a terrain pass gives each vertex its texture coordinates.
enum class TerrainCoordinates { kBothUnits, kFineOnly, kGroundOnly };

struct Camera {
    float x;
    float z;
    float viewYaw;
};

void TerrainVertex(const RendererState& state, TerrainCoordinates mode, int row, int column,
                   int worldX, int worldZ) {
    const float s = static_cast<float>(row) * kGroundTextureScale;
    const float t = 1.0f - static_cast<float>(column) * kGroundTextureScale;
    const MultitextureState& multi = state.multitexture;
    switch (mode) {
        case TerrainCoordinates::kBothUnits:
            multi.glMultiTexCoord2fARB(kTexture0Arb, s * kFineTextureFactor,
                                       t * kFineTextureFactor);
            multi.glMultiTexCoord2fARB(kTexture1Arb, s, t);
            break;
        case TerrainCoordinates::kFineOnly:
            glTexCoord2f(s * kFineTextureFactor, t * kFineTextureFactor);
            break;
        case TerrainCoordinates::kGroundOnly:
            glTexCoord2f(s, t);
            break;
    }
    glVertex3f(static_cast<float>(worldX), state.heightMap.at(row, column),
               static_cast<float>(worldZ));
}

// The colour the terrain's first layer is drawn in: white, which the desktop picture (or, as
// specified for a renderer started alone, nothing) then colours, or the plain ground.
void SetTerrainColour(const RendererState& state, const DaylightColour& tint) {
    const bool plain = state.textures.ground == 0 && state.flyWithoutPictures;
    const float* base = plain ? kPlainGround : kWhiteColour;
    glColor4f(base[0] * tint.r, base[1] * tint.g, base[2] * tint.b, 1.0f);
}

// The sky sphere's colour: white under its picture; without one, in a run that flies without
// pictures, the fog's own colour, so that the sky is one clear colour meeting the fogged horizon
// without a seam, whatever colour the fog has.
void SetSkyColour(const RendererState& state) {
    if (state.textures.sky == 0 && state.flyWithoutPictures) {
        GLfloat fog[4];
        glGetFloatv(GL_FOG_COLOR, fog);
        glColor4fv(fog);
    } else {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void DrawTerrainCells(const RendererState& state, const TerrainWindow& window,
                      TerrainCoordinates mode) {
    constexpr int s = kGridStep;
    for (int x = window.xMin; x < window.xMax; x += s) {
        const int n = WrapGridIndex(x);
        const int x0 = x - kTerrainPeriod;
        for (int z = window.zMin; z < window.zMax; z += s) {
            const int o = WrapGridIndex(z);
            const int z0 = z - kTerrainPeriod;
            glBegin(GL_TRIANGLE_STRIP);
            TerrainVertex(state, mode, n + s, o + s, x0 + s, z0 + s);
            TerrainVertex(state, mode, n + s, o, x0 + s, z0);
            TerrainVertex(state, mode, n, o + s, x0, z0 + s);
            TerrainVertex(state, mode, n, o, x0, z0);
            glEnd();
        }
    }
}

void DrawTerrainTwoUnits(const RendererState& state, const TerrainWindow& window) {
    const MultitextureState& multi = state.multitexture;
    multi.glActiveTextureARB(kTexture0Arb);
    glBindTexture(GL_TEXTURE_2D, state.textures.fineGround);
    multi.glActiveTextureARB(kTexture1Arb);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, state.textures.ground);

    // The ground's tint is the colour the desktop picture is multiplied by.
    SetTerrainColour(state, state.daylight.colours.groundTint);
    DrawTerrainCells(state, window, TerrainCoordinates::kBothUnits);

    multi.glActiveTextureARB(kTexture1Arb);
    glDisable(GL_TEXTURE_2D);
    multi.glActiveTextureARB(kTexture0Arb);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_2D);
}

void DrawTerrainOneUnit(const RendererState& state, const TerrainWindow& window) {
    // The tint goes on the second layer, which multiplies the desktop picture onto this one.
    SetTerrainColour(state, DaylightColour{1.0f, 1.0f, 1.0f});
    glBindTexture(GL_TEXTURE_2D, state.textures.fineGround);
    DrawTerrainCells(state, window, TerrainCoordinates::kFineOnly);

    // The second layer multiplies the desktop picture onto the first, at the same depths. The
    // first layer has already faded into the fog; were this one fogged towards the sky colour
    // too, the far ground would take that colour twice over and show as a dark band on the
    // horizon. Fogged towards white, it fades into "multiply by one" and leaves the first
    // layer's fog as it is, so both paths meet the sky alike.
    constexpr float kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogfv(GL_FOG_COLOR, kWhite);
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    // The ground's tint goes with the picture, so it fades into the fog with it.
    glBindTexture(GL_TEXTURE_2D, state.textures.ground);
    const DaylightColour& tint = state.daylight.colours.groundTint;
    glColor4f(tint.r, tint.g, tint.b, 0.5f);
    glDepthFunc(GL_LEQUAL);
    DrawTerrainCells(state, window, TerrainCoordinates::kGroundOnly);
    glDepthFunc(GL_LESS);
    const DaylightColour& fog = state.daylight.colours.fog;
    const float fogColour[4] = {fog.r, fog.g, fog.b, 1.0f};
    glFogfv(GL_FOG_COLOR, fogColour);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
}

void DrawTerrain(const RendererState& state, const Camera& camera) {
    const TerrainWindow window = ComputeTerrainWindow(camera.x, camera.z, state.viewRange);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    if (state.multitexture.multitextureAvailable) {
        DrawTerrainTwoUnits(state, window);
    } else {
        DrawTerrainOneUnit(state, window);
    }
    glFrontFace(GL_CCW);
    glDisable(GL_CULL_FACE);
}

// The sphere moves with the aircraft and turns with the view; the camera sits inside it about
// 1000 units below its top, and a far fog range fades its walls towards the horizon.
void DrawSky(const RendererState& state, const Camera& camera) {
    glFogf(GL_FOG_START, 1000.0f);
    glFogf(GL_FOG_END, 7500.0f);
    SetSkyColour(state);
    glBindTexture(GL_TEXTURE_2D, state.textures.sky);
    glTranslatef(-camera.x, -kSkyCentreBelowEye, -camera.z);
    glRotatef(90.0f, 1.0f, 0.0f, 1.0f);
    gluSphere(state.skyQuadric.get(), kSkyRadius, kSkyDivisions, kSkyDivisions);
    glFogf(GL_FOG_START, 10.0f);
    glFogf(GL_FOG_END, state.viewRange);
}

// The sun lights the aircraft from the glow's direction: the light is placed in the same
// turned view as the glow, as a direction (w = 0), so it stays with the glow however far the
// aircraft flies.
void PlaceSunlight(const Camera& camera) {
    const float towardsGlow[4] = {kGlowX, kGlowY, kGlowZ, 0.0f};
    glLoadIdentity();
    glRotatef(camera.viewYaw, 0.0f, 1.0f, 0.0f);
    glLightfv(GL_LIGHT1, GL_POSITION, towardsGlow);
}

void DrawAircraft(const RendererState& state, const Camera& camera, const FlightPose& flight) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    PlaceSunlight(camera);
    glLoadIdentity();
    glTranslatef(0.0f, -0.5f, -kChaseDistance);
    glRotatef(flight.bodyYaw, 0.0f, 1.0f, 0.0f);
    glRotatef(flight.bank * 15.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_LIGHTING);
    glCallList(state.aircraftList);
    glDisable(GL_LIGHTING);
}

// One square of the glow, centred on the glow's place.
void GlowSquare(const DaylightColour& colour, float halfSize, float alpha) {
    const float left = kGlowX - halfSize, right = kGlowX + halfSize;
    const float bottom = kGlowY - halfSize, top = kGlowY + halfSize;
    glColor4f(colour.r, colour.g, colour.b, alpha);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, top, kGlowZ);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, top, kGlowZ);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, bottom, kGlowZ);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, bottom, kGlowZ);
    glEnd();
}

// The glow turns with the view but never moves, so it stays at one place in the sky. Without
// its picture the two additive squares would wash the whole view out in orange-white, so a
// missing glow is left out.
void DrawGlow(const RendererState& state, const Camera& camera) {
    if (state.textures.glow == 0) {
        return;
    }
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, state.textures.glow);
    glDisable(GL_FOG);
    glLoadIdentity();
    glRotatef(camera.viewYaw, 0.0f, 1.0f, 0.0f);
    // The sun's orange glow by day, the moon's pale disc at night (daylight.cpp).
    const DaylightColours& day = state.daylight.colours;
    GlowSquare(day.glow, day.glowHaloHalfSize, day.glowHaloAlpha);
    GlowSquare(day.glow, day.glowCoreHalfSize, day.glowCoreAlpha);
}

}  // namespace

void KeepFlightInsidePeriod(FlightState& flight) {
    for (float* position : {&flight.flightX, &flight.flightZ}) {
        if (*position > 0.0f) {
            *position -= kPeriod;
        }
        if (*position < -kPeriod) {
            *position += kPeriod;
        }
    }
}

void DrawFrame(RendererState& state, const ScenePlatform& platform) {
    // The local time, read once a frame for the sky and the clock, and only when one follows it.
    if (state.options.skyFollowsClock || state.options.showClock) {
        const int minute = LocalMinuteOfDay(platform);
        FollowDaylight(state, minute);
        FollowClock(state, minute);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_FOG);

    KeepFlightInsidePeriod(state.flight);
    const FlightPose flight = DrawnPose(state.pacer, state.flight);
    const Camera camera{-flight.flightX, -flight.flightZ, 360.0f - flight.heading};

    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -kChaseDistance);
    glRotatef(camera.viewYaw, 0.0f, 1.0f, 0.0f);
    glTranslatef(camera.x, -3.5f - 0.2f * std::fabs(flight.speed), camera.z);

    DrawTerrain(state, camera);
    DrawSky(state, camera);
    DrawStars(state, camera.viewYaw);
    DrawAircraft(state, camera, flight);
    DrawGlow(state, camera);
    DrawClock(state);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

}  // namespace altostrat
