// The scene set-up. Its order matters: the probe decides the terrain path before any texture
// exists, the aircraft's material textures are created before the picture textures, and the
// clock, state and loading screen are left alone when none of the three pictures could be had
// (unless the run flies without pictures). The pictures come from the platform's source: the
// capture files the host wrote, or pictures the Linux program holds in memory.
#include <fstream>

#include "flight/gl/gl_headers.h"
#include "flight/scene/clock_scene.h"
#include "flight/scene/daylight_scene.h"
#include "flight/scene/scene.h"
#include "flight/scene/texture_upload.h"

#include "common/agreement.h"
#include "common/file_bytes.h"

namespace altostrat {
namespace {

// The aircraft's one light: its colours are the day's (daylight.cpp; at midday the sun's, as the
// flight always had), and it shows no highlight, as the paper it lights has none. Nothing lights
// the aircraft besides it. The light's direction follows the glow, so it is set with every
// frame (flight_scene.cpp).
constexpr float kLightSpecular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr float kNoOtherLight[4] = {0.0f, 0.0f, 0.0f, 1.0f};

void SetFixedState() {
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_FOG);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

// Lighting is only switched on around the aircraft, so this touches nothing else on screen.
// The clear colour, the fog colour and the light's ambient and diffuse colours are the day's.
void SetLight() {
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kNoOtherLight);
    glLightfv(GL_LIGHT1, GL_SPECULAR, kLightSpecular);
    glEnable(GL_LIGHT1);
}

void SetFog(float viewRange) {
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_DENSITY, 0.294f);
    glHint(GL_FOG_HINT, GL_NICEST);
    glFogf(GL_FOG_START, 10.0f);
    glFogf(GL_FOG_END, viewRange);
    glEnable(GL_FOG);
}

// The loading screen's white panel and its blue bar, without presenting.
void DrawLoadingPanel(RendererState& state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    state.loadingProgress += 0.01f;

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, state.textures.panel);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, -4.0f, -15.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -4.5f, -15.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-1.0f, -4.0f, -15.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -4.5f, -15.0f);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    const float end = state.loadingProgress - 1.8f;
    glBegin(GL_QUADS);
    glVertex3f(-1.8f, -1.55f, -5.0f);
    glVertex3f(-1.8f, -1.7f, -5.0f);
    glVertex3f(end, -1.7f, -5.0f);
    glVertex3f(end, -1.55f, -5.0f);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void RecordAircraft(RendererState& state) {
    state.aircraftList = glGenLists(1);
    glNewList(state.aircraftList, GL_COMPILE);
    state.aircraftModel.Draw();
    glEndList();
}

}  // namespace

namespace {

std::unique_ptr<RgbImage> ReadCaptureFile(const std::string& path, const DibErrorReport& report) {
    // By its UTF-8 path, as the reader opens it: a run's folder lies under the user's own
    // folder, whose name may hold any letters.
    if (!std::ifstream(PathFromUtf8(path), std::ios::binary).is_open()) {
        return nullptr;
    }
    return LoadDibImage(path, report);
}

// With a SLICE, only that part of the picture becomes the texture.
GLuint TextureOf(const std::unique_ptr<RgbImage>& image, const PictureSlice& slice = {}) {
    if (!image) {
        return 0;
    }
    GLuint texture = 0;
    if (slice.wholeWidth > 0 && slice.wholeHeight > 0) {
        UploadMipmappedPicture(texture, CutSlice(*image, slice));
    } else {
        UploadMipmappedPicture(texture, *image);
    }
    return texture;
}

// One picture from the source, made a texture and let go at once: the desktop's photograph is
// large and is not kept beside its texture.
GLuint LoadPictureTexture(const PictureSource& source, CapturePicture picture,
                          const PictureSlice& slice = {}) {
    return TextureOf(source(picture), slice);
}

}  // namespace

unsigned LoadCaptureTexture(const std::string& path, const ScenePlatform& platform,
                            const PictureSlice& slice) {
    return TextureOf(ReadCaptureFile(path, platform.showError), slice);
}

PictureSource CaptureFilePictures(const std::string& folder, const DibErrorReport& report) {
    return [folder, report](CapturePicture picture) {
        return ReadCaptureFile(CapturePicturePath(folder, picture), report);
    };
}

void DrawLoadingScreen(RendererState& state, const ScenePlatform& platform) {
    platform.swapBuffers();
    DrawLoadingPanel(state);
}

bool InitScene(RendererState& state, const ScenePlatform& platform) {
    ProbeMultitexture(platform.getProcAddress, state.multitexture);
    state.aircraftModel.ReloadTextures(platform.showError);

    SceneTextures& textures = state.textures;
    // A sky that follows the clock is made here, not read: its files are not needed then.
    const bool ownSky = state.options.skyFollowsClock;
    const PictureSource source = platform.pictures
                                     ? platform.pictures
                                     : CaptureFilePictures(state.captureFolder, platform.showError);
    if (!ownSky) {
        textures.sky = LoadPictureTexture(source, CapturePicture::kSky);
    }
    textures.ground = LoadPictureTexture(source, CapturePicture::kDesktop, state.groundSlice);
    if (!ownSky) {
        textures.glow = LoadPictureTexture(source, CapturePicture::kGlow);
    }
    if (platform.picturesLoaded) {
        platform.picturesLoaded();
    }
    SetUpDaylight(state, platform);
    SetUpClock(state, platform);
    if (textures.sky == 0 && textures.ground == 0 && textures.glow == 0 &&
        !state.flyWithoutPictures) {
        return false;
    }

    StartFrameClock(state.frameClock, platform.clock);
    SetFixedState();
    SetLight();
    SetFog(state.viewRange);
    ApplyDaylightColours(state.daylight.colours);
    state.skyQuadric.reset(gluNewQuadric());
    gluQuadricNormals(state.skyQuadric.get(), GLU_SMOOTH);
    gluQuadricTexture(state.skyQuadric.get(), GL_TRUE);

    // The plain sky colour first, then the first loading screen drawn behind it.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    platform.swapBuffers();
    DrawLoadingPanel(state);

    GenerateTerrain(state.heightMap, state.random);
    for (int pass = 0; pass < 3; ++pass) {
        DrawLoadingScreen(state, platform);
        SmoothTerrain(state.heightMap, pass);
    }
    RecordAircraft(state);
    return true;
}

}  // namespace altostrat
