// The scene drawn for real into Mesa's offscreen renderer, checked by its pixels.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/file_bytes.h"
#include "flight/clock/clock_place.h"
#include "flight/clock/pixel_font.h"
#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/aircraft.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "flight/tests/dib_test_files.h"
#include "tools/offscreen/offscreen_context.h"
#include "tools/offscreen/offscreen_scene_platform.h"

namespace altostrat {
namespace {

using testing::Rgb;
namespace fs = std::filesystem;

constexpr Rgb kSky = {211, 237, 254};
constexpr Rgb kQuadrants[4] = {{220, 30, 30}, {30, 200, 40}, {40, 60, 220}, {230, 220, 40}};

// A desktop of four coloured quadrants, a sky in the fog colour and a glow that is a small
// bright disc on black, so each can be told apart on the screen.
struct CaptureFolder {
    fs::path dir;

    CaptureFolder() {
        char name[] = "/tmp/altostrat-scene-XXXXXX";
        dir = mkdtemp(name);
    }
    ~CaptureFolder() { fs::remove_all(dir); }

    std::string Folder() const { return dir.string() + "/"; }

    template <typename PixelFunction>
    void Write(const char* name, int width, int height, PixelFunction pixel) const {
        const std::vector<std::uint8_t> bytes = testing::Bitmap24(width, height, pixel);
        std::FILE* file = std::fopen((dir / name).string().c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    void WriteSky() const {
        Write("Altostrat1.bmp", 64, 64, [](int, int) { return kSky; });
    }
    void WriteDesktop() const {
        Write("Altostrat2.bmp", 256, 192,
              [](int x, int y) { return kQuadrants[(x < 128 ? 0 : 1) + (y < 96 ? 0 : 2)]; });
    }
    void WriteGlow() const {
        Write("Altostrat3.bmp", 64, 64, [](int x, int y) {
            const int dx = x - 32, dy = y - 32;
            const bool disc = dx * dx + dy * dy < 36;
            return disc ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        });
    }
    // A desktop whose colour tells where on it a point lies: red grows from the picture's left
    // edge to its right, green from its bottom edge to its top, both steeply across the middle
    // quarter of the picture where the flight starts (and flat beyond), and blue is 0, so that
    // the fog (which brings blue towards the sky's 254) can be measured and taken out again.
    void WriteCoordinateDesktop() const {
        const auto steep = [](int i) {
            return static_cast<std::uint8_t>(std::clamp(128 + 4 * (i - 128), 0, 255));
        };
        Write("Altostrat2.bmp", 256, 256, [steep](int x, int y) {
            return Rgb{steep(x), steep(255 - y), 0};
        });
    }
    void WriteBlackGlow() const {
        Write("Altostrat3.bmp", 64, 64, [](int, int) { return Rgb{0, 0, 0}; });
    }
    void WriteAll() const {
        WriteSky();
        WriteDesktop();
        WriteGlow();
    }
};

class SceneTest : public ::testing::Test {
  protected:
    OffscreenContext context{1024, 768};
    CaptureFolder captures;
    RendererState state;
    ScenePlatform platform;
    std::vector<std::string> errors;

    void SetUp() override {
        ASSERT_TRUE(context.Valid());
        ResizeScene(1024, 768);
        state.captureFolder = captures.Folder();
        platform = OffscreenScenePlatform([this](const std::string& m) { errors.push_back(m); });
        platform.swapBuffers = [this] { ++swaps; };
    }

    // Sets the scene up and draws a few frames of the flight; the screen, top row first.
    std::vector<std::uint8_t> Fly(int frames, bool singleUnit = false) {
        return Fly(state, frames, singleUnit);
    }
    std::vector<std::uint8_t> Fly(RendererState& flying, int frames, bool singleUnit) {
        EXPECT_TRUE(InitScene(flying, platform));
        if (singleUnit) {
            flying.multitexture.multitextureAvailable = false;
        }
        for (int i = 0; i < frames; ++i) {
            RunFrameStep(flying, platform, true, 1700000000);
        }
        return context.ReadRgbTopDown();
    }

    // Sets the scene up and draws one frame at the given heading.
    std::vector<std::uint8_t> FlyAtHeading(RendererState& flying, float heading, bool singleUnit) {
        EXPECT_TRUE(InitScene(flying, platform));
        flying.multitexture.multitextureAvailable = !singleUnit;
        flying.flight.heading = heading;
        RunFrameStep(flying, platform, true, 1700000000);
        return context.ReadRgbTopDown();
    }

    static Rgb At(const std::vector<std::uint8_t>& screen, int x, int y) {
        const std::uint8_t* p = &screen[(static_cast<std::size_t>(y) * 1024 + x) * 3];
        return {p[0], p[1], p[2]};
    }

    int swaps = 0;
};

int Distance(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

int NearestQuadrant(Rgb c) {
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (Distance(c, kQuadrants[i]) < Distance(c, kQuadrants[best]))
            best = i;
    }
    return best;
}

// How the picture lies on the screen, read from a frame over the coordinate desktop: for the
// picture's x and y, how much larger it is on the right half of the visible ground than on the
// left, and on the upper half than on the lower. Only ground that the fog has coloured by less
// than half is read; there the fog's share is blue / 254 and comes out of red and green.
struct PictureDirections {
    double xRight = 0, xUp = 0, yRight = 0, yUp = 0;
    int samples = 0;
};

// The mean of the values on one side of a line minus the mean of those on the other.
struct SideDifference {
    double sum[2] = {};
    int count[2] = {};
    void Add(bool firstSide, double value) {
        sum[firstSide ? 0 : 1] += value;
        ++count[firstSide ? 0 : 1];
    }
    double Value() const { return sum[0] / std::max(count[0], 1) - sum[1] / std::max(count[1], 1); }
};

PictureDirections ReadPictureDirections(const std::vector<std::uint8_t>& screen) {
    struct Sample {
        int sx, sy;
        double px, py;
    };
    std::vector<Sample> ground;
    double rowSum = 0;
    for (int sy = 0; sy < 768; sy += 6) {
        for (int sx = 0; sx < 1024; sx += 6) {
            const std::uint8_t* p = &screen[(static_cast<std::size_t>(sy) * 1024 + sx) * 3];
            const double fog = p[2] / 254.0;
            if (fog > 0.5)
                continue;
            ground.push_back(
                {sx, sy, (p[0] - fog * kSky.r) / (1 - fog), (p[1] - fog * kSky.g) / (1 - fog)});
            rowSum += sy;
        }
    }
    const double middleRow = rowSum / std::max<std::size_t>(ground.size(), 1);
    SideDifference xRight, xUp, yRight, yUp;
    for (const Sample& g : ground) {
        const bool right = g.sx >= 512, up = g.sy < middleRow;
        xRight.Add(right, g.px);
        xUp.Add(up, g.px);
        yRight.Add(right, g.py);
        yUp.Add(up, g.py);
    }
    return {xRight.Value(), xUp.Value(), yRight.Value(), yUp.Value(),
            static_cast<int>(ground.size())};
}

TEST_F(SceneTest, NoCaptureFileMeansNoSceneAndNoLoadingScreen) {
    EXPECT_FALSE(InitScene(state, platform));
    EXPECT_EQ(swaps, 0);
    EXPECT_EQ(state.frameClock.frequency, 0u);
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    EXPECT_EQ(state.heightMap.at(250, 250), 0.0f);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SceneTest, AnyOneCaptureFileIsEnough) {
    for (int present = 1; present < 8; ++present) {
        CaptureFolder folder;
        if (present & 1)
            folder.WriteSky();
        if (present & 2)
            folder.WriteDesktop();
        if (present & 4)
            folder.WriteGlow();
        RendererState fresh;
        fresh.captureFolder = folder.Folder();
        ASSERT_TRUE(InitScene(fresh, platform)) << "files " << present;
        EXPECT_EQ(fresh.textures.sky != 0, (present & 1) != 0);
        EXPECT_EQ(fresh.textures.ground != 0, (present & 2) != 0);
        EXPECT_EQ(fresh.textures.glow != 0, (present & 4) != 0);
        EXPECT_TRUE(glIsEnabled(GL_FOG));
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    }
}

TEST_F(SceneTest, SetUpShowsThreeLoadingScreensAndBuildsTheTerrain) {
    captures.WriteAll();
    ASSERT_TRUE(InitScene(state, platform));
    EXPECT_EQ(swaps, 4);  // the plain sky colour, then three loading screens
    EXPECT_FLOAT_EQ(state.loadingProgress, 0.04f);
    HeightMap expected;
    CrtRandom random;
    BuildTerrain(expected, random);
    EXPECT_EQ(state.heightMap.heights, expected.heights);
    EXPECT_NE(state.aircraftList, 0u);
}

TEST_F(SceneTest, SkyAboveGlowAheadAndTheDesktopOnTheGround) {
    captures.WriteAll();
    const auto screen = Fly(3);
    // Sky and fog share one colour at the top of the screen.
    EXPECT_LT(Distance(At(screen, 20, 5), kSky), 12);
    EXPECT_LT(Distance(At(screen, 1000, 5), kSky), 12);
    // Heading 0 puts the glow a little right of centre and above the horizon.
    const Rgb glow = At(screen, 558, 199);
    EXPECT_EQ(glow.r, 255);
    EXPECT_GT(glow.r - glow.b, 0);
    EXPECT_LT(Distance(At(screen, 200, 60), kSky), 12);
    // Around the aircraft, which starts over the middle of the desktop picture, the ground
    // shows the picture's quadrants meeting.
    int seen[4] = {};
    for (int y = 600; y < 768; y += 4) {
        for (int x = 0; x < 1024; x += 8) {
            const Rgb c = At(screen, x, y);
            const int q = NearestQuadrant(c);
            if (Distance(c, kQuadrants[q]) < 90)
                ++seen[q];
        }
    }
    int quadrants = 0;
    for (int count : seen)
        quadrants += count >= 20 ? 1 : 0;
    EXPECT_GE(quadrants, 2) << seen[0] << " " << seen[1] << " " << seen[2] << " " << seen[3];
}

TEST_F(SceneTest, BothTexturePathsLayTheSameDesktopOnTheGround) {
    captures.WriteAll();
    const auto twoUnits = Fly(2);
    ASSERT_TRUE(state.multitexture.multitextureAvailable);
    RendererState other;
    other.captureFolder = captures.Folder();
    const auto oneUnit = Fly(other, 2, /*singleUnit=*/true);
    // The whole screen, so the horizon too: far away both paths fade to the sky's colour.
    int compared = 0;
    for (int y = 8; y < 768; y += 16) {
        for (int x = 16; x < 1024; x += 64) {
            const Rgb a = At(twoUnits, x, y), b = At(oneUnit, x, y);
            EXPECT_LT(Distance(a, b), 25) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 700);
}

// The picture lies on the ground as a map lies on a table seen from above. At heading 0 the
// flight goes along -z, and the view's right is +x: the ground ahead (higher on the screen)
// shows the picture's top, the ground to the right its right. Heading 90 flies along -x
// (direction -sin, -cos of the heading); the view is turned by 270 degrees about y, which takes
// the world's -x to the eye's -z (ahead) and the world's -z to the eye's +x (right). So ahead
// lies the picture's left, and to the right its top, as a map's north lies to the right of
// someone facing west.
TEST_F(SceneTest, DesktopLiesTheRightWayRoundAtHeadingsZeroAndNinetyOnBothPaths) {
    captures.WriteSky();
    captures.WriteCoordinateDesktop();
    captures.WriteGlow();
    for (bool singleUnit : {false, true}) {
        for (float heading : {0.0f, 90.0f}) {
            RendererState flying;
            flying.captureFolder = captures.Folder();
            const PictureDirections d =
                ReadPictureDirections(FlyAtHeading(flying, heading, singleUnit));
            SCOPED_TRACE(::testing::Message()
                         << "heading " << heading << (singleUnit ? " one unit" : " two units")
                         << ": x right " << d.xRight << " up " << d.xUp << ", y right " << d.yRight
                         << " up " << d.yUp << ", " << d.samples << " samples");
            ASSERT_GT(d.samples, 1000);
            if (heading == 0.0f) {
                EXPECT_GT(d.xRight, 8.0);
                EXPECT_GT(d.yUp, 8.0);
            } else {
                EXPECT_LT(d.xUp, -8.0);
                EXPECT_GT(d.yRight, 8.0);
            }
        }
    }
}

// Without a glow picture the glow is left out. A black glow adds nothing to the sky, so the
// frame must be the one drawn with a black glow picture.
TEST_F(SceneTest, MissingGlowLooksLikeABlackGlow) {
    captures.WriteSky();
    captures.WriteDesktop();
    const auto withoutGlow = Fly(2);
    CaptureFolder black;
    black.WriteSky();
    black.WriteDesktop();
    black.WriteBlackGlow();
    RendererState other;
    other.captureFolder = black.Folder();
    const auto blackGlow = Fly(other, 2, false);
    EXPECT_LT(Distance(At(withoutGlow, 558, 199), kSky), 12);
    int differing = 0;
    for (std::size_t i = 0; i < withoutGlow.size(); ++i)
        differing += std::abs(withoutGlow[i] - blackGlow[i]) > 2 ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST_F(SceneTest, MissingDesktopLeavesAWhiteGroundUnderFog) {
    captures.WriteSky();
    captures.WriteGlow();
    const auto screen = Fly(2);
    const Rgb ground = At(screen, 512, 740);
    EXPECT_GT(ground.r, 200);
    EXPECT_GT(ground.g, 200);
    EXPECT_GT(ground.b, 200);
}

// A run the host started with a picture folder of its own flies whatever it finds there. A
// missing sky picture leaves the sky in the sky and fog colour, not a white dome; a missing
// desktop leaves a plain ground, neither white nor the sky, one colour from left to right.
TEST_F(SceneTest, ARunWithItsOwnFolderDrawsMissingPicturesPlain) {
    struct Present {
        bool sky, desktop, glow;
    };
    for (const Present present :
         {Present{false, false, false}, Present{true, false, true}, Present{false, true, true}}) {
        SCOPED_TRACE(::testing::Message() << "sky " << present.sky << " desktop " << present.desktop
                                          << " glow " << present.glow);
        CaptureFolder folder;
        if (present.sky)
            folder.WriteSky();
        if (present.desktop)
            folder.WriteDesktop();
        if (present.glow)
            folder.WriteGlow();
        RendererState flying;
        flying.captureFolder = folder.Folder();
        flying.flyWithoutPictures = true;
        const auto screen = Fly(flying, 2, false);
        if (!present.sky) {
            EXPECT_LT(Distance(At(screen, 20, 5), kSky), 6);
            EXPECT_LT(Distance(At(screen, 1000, 5), kSky), 6);
        }
        if (!present.desktop) {
            const Rgb left = At(screen, 100, 740), right = At(screen, 924, 740);
            EXPECT_LT(std::max({left.r, left.g, left.b}), 200);
            EXPECT_GT(Distance(left, kSky), 100);
            EXPECT_LT(Distance(left, right), 12);
        }
    }
    EXPECT_TRUE(errors.empty());
}

// The platform hears once, as soon as the pictures are textures and before anything is
// presented, that the files are no longer needed; a desktop picture deleted then still lies on
// the ground.
TEST_F(SceneTest, ThePicturesAreDoneWithOnceTheyAreTextures) {
    captures.WriteAll();
    int calls = 0;
    platform.picturesLoaded = [&] {
        ++calls;
        EXPECT_NE(state.textures.sky, 0u);
        EXPECT_NE(state.textures.ground, 0u);
        EXPECT_NE(state.textures.glow, 0u);
        EXPECT_EQ(swaps, 0);
        fs::remove(captures.dir / "Altostrat2.bmp");
    };
    const auto screen = Fly(2);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(fs::exists(captures.dir / "Altostrat2.bmp"));
    int desktop = 0;
    for (int x = 0; x < 1024; x += 8) {
        const Rgb c = At(screen, x, 740);
        desktop += Distance(c, kQuadrants[NearestQuadrant(c)]) < 90 ? 1 : 0;
    }
    EXPECT_GT(desktop, 64);
}

TEST_F(SceneTest, FrameLeavesTheDocumentedStateBehind) {
    captures.WriteAll();
    Fly(1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LESS);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// While the display is powered down a pass leaves the picture and the screen alone and does not
// wait for the frame period, yet the flight goes on and Escape still ends it; once the display
// is back the next pass draws the flight over the marker colour again.
TEST_F(SceneTest, APoweredDownDisplayGetsNothingDrawnOrPresented) {
    constexpr Rgb kMarker = {255, 0, 255};
    captures.WriteAll();
    ASSERT_TRUE(InitScene(state, platform));
    bool poweredDown = true;
    bool stop = false;
    int sleeps = 0;
    platform.waitForFramePeriod = true;
    platform.clock.sleep = [&sleeps](unsigned) { ++sleeps; };
    platform.displayPoweredDown = [&poweredDown] { return poweredDown; };
    platform.stopRequested = [&stop] { return stop; };
    EXPECT_FALSE(PassDraws(true, platform));
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    swaps = 0;
    const FlightState before = state.flight;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(RunFrameStep(state, platform, true, 1700000000));
    }
    glFinish();
    EXPECT_EQ(Distance(At(context.ReadRgbTopDown(), 512, 20), kMarker), 0);
    EXPECT_EQ(swaps, 0);
    EXPECT_EQ(sleeps, 0);
    EXPECT_NE(state.flight.flightX + state.flight.flightZ, before.flightX + before.flightZ);
    stop = true;
    EXPECT_FALSE(RunFrameStep(state, platform, true, 1700000000));

    stop = false;
    poweredDown = false;
    EXPECT_TRUE(PassDraws(true, platform));
    EXPECT_FALSE(PassDraws(false, platform));
    EXPECT_TRUE(RunFrameStep(state, platform, true, 1700000000));
    glFinish();
    EXPECT_GT(Distance(At(context.ReadRgbTopDown(), 512, 20), kMarker), 100);
    EXPECT_EQ(swaps, 1);
}

// The glider seen from the chase camera, in straight flight and banked both ways. A frame with
// it differs from the same frame without it only around the middle of the view, and there it
// is light: white paper in the sun, the sky's grey-blue in the shade, never a dark shape. At
// heading 0 the glow is ahead, so the camera sees mostly the side in shade, which must show
// the sky's blue rather than a plain grey. A positive bank turns the heading up, which turns
// the flight to the left (its direction is -sin, -cos of the heading), so the glider leans
// left: its right wing tip is the highest point. A model file that cannot be read leaves the
// frame exactly as it is when no model is loaded at all.
TEST_F(SceneTest, TheGliderShowsLightInTheMiddleOnlyAndLeansIntoTurns) {
    captures.WriteAll();
    const std::string glider = std::string(ALTOSTRAT_ASSETS_DIR) + "/glider.ms3d";
    struct Attitude {
        float bank, bodyYaw;
    };
    for (const Attitude attitude : {Attitude{0, 0}, Attitude{3, 11.4f}, Attitude{-3, -11.4f}}) {
        SCOPED_TRACE(::testing::Message() << "bank " << attitude.bank);
        const auto frame = [&](const std::string& model) {
            RendererState flying;
            flying.captureFolder = captures.Folder();
            flying.flight.bank = attitude.bank;
            flying.flight.bodyYaw = attitude.bodyYaw;
            if (!model.empty()) {
                EXPECT_EQ(LoadAircraftFile(flying, model), model == glider);
            }
            EXPECT_TRUE(InitScene(flying, platform));
            RunFrameStep(flying, platform, true, 1700000000);
            return context.ReadRgbTopDown();
        };
        const auto without = frame(captures.Folder() + "missing.ms3d");
        const auto with = frame(glider);
        EXPECT_TRUE(frame("") == without);
        if (attitude.bank == 0) {
            // The model built into a program is the same file in memory: the same frame. Once
            // the scene is set up its display list is recorded, so loading then is refused.
            const FileReadResult file = ReadWholeFile(glider, 1 << 20);
            ASSERT_EQ(file.status, FileReadStatus::kRead);
            RendererState flying;
            flying.captureFolder = captures.Folder();
            EXPECT_TRUE(LoadAircraftBytes(flying, file.data.get(), file.size));
            EXPECT_TRUE(InitScene(flying, platform));
            RunFrameStep(flying, platform, true, 1700000000);
            EXPECT_TRUE(context.ReadRgbTopDown() == with);
            EXPECT_FALSE(LoadAircraftFile(flying, glider));
            EXPECT_FALSE(LoadAircraftBytes(flying, file.data.get(), file.size));
        }
        int count = 0, left = 1024, right = 0, top = 768, bottom = 0, topX = 0;
        long sum[3] = {};
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                const Rgb a = At(with, x, y);
                if (Distance(a, At(without, x, y)) == 0)
                    continue;
                ++count;
                left = std::min(left, x);
                right = std::max(right, x);
                if (y < top) {
                    top = y;
                    topX = x;
                }
                bottom = std::max(bottom, y);
                sum[0] += a.r;
                sum[1] += a.g;
                sum[2] += a.b;
            }
        }
        SCOPED_TRACE(::testing::Message()
                     << count << " pixels in x " << left << "-" << right << ", y " << top << "-"
                     << bottom << ", mean " << sum[0] / std::max(count, 1) << " "
                     << sum[1] / std::max(count, 1) << " " << sum[2] / std::max(count, 1));
        ASSERT_GT(count, 1000);
        EXPECT_GE(left, 312);
        EXPECT_LE(right, 712);
        EXPECT_GE(top, 234);
        EXPECT_LE(bottom, 534);
        for (long channel : sum) {
            EXPECT_GE(channel / count, 150);
        }
        EXPECT_GE(sum[2] / count, sum[0] / count + 20);
        if (attitude.bank > 0) {
            EXPECT_GT(topX, 532);
        } else if (attitude.bank < 0) {
            EXPECT_LT(topX, 492);
        } else {
            EXPECT_NEAR(left + right, 1024, 20);
        }
    }
}

// The sky following the clock, against the flight as it always was. At noon it must draw the
// ground and the glider exactly as the fixed sky does, over the host's own glow picture (only
// the sky above the horizon is its own). When the clock passes into the night the very next
// frame is dark, though not black, and the glider in it is a dim blue-grey shape, not a white
// one.
TEST_F(SceneTest, TheSkyFollowingTheClockIsTheFixedSkyAtNoonAndDarkensAtNight) {
    captures.WriteSky();
    captures.WriteDesktop();
    fs::copy_file(fs::path(ALTOSTRAT_ASSETS_DIR) / "glow.bmp", captures.dir / "Altostrat3.bmp");
    const std::string glider = std::string(ALTOSTRAT_ASSETS_DIR) + "/glider.ms3d";
    double minutes = 12 * 60;
    platform.localMinutes = [&minutes] { return minutes; };
    const auto fly = [&](RendererState& flying, bool followClock, bool withGlider) {
        flying.captureFolder = captures.Folder();
        flying.options.skyFollowsClock = followClock;
        if (withGlider) {
            EXPECT_TRUE(LoadAircraftFile(flying, glider));
        }
        EXPECT_TRUE(InitScene(flying, platform));
        RunFrameStep(flying, platform, true, 1700000000);
        return context.ReadRgbTopDown();
    };
    RendererState fixedSky, fixedSkyNoGlider, clockSky;
    const auto fixed = fly(fixedSky, false, true);
    const auto noGlider = fly(fixedSkyNoGlider, false, false);
    const auto noon = fly(clockSky, true, true);

    const auto mean = [](const std::vector<std::uint8_t>& screen) {
        double sum = 0;
        for (std::uint8_t value : screen) {
            sum += value;
        }
        return sum / static_cast<double>(screen.size());
    };
    int gliderPixels = 0, groundDiffers = 0, gliderDiffers = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const bool onGlider = Distance(At(fixed, x, y), At(noGlider, x, y)) > 0;
            gliderPixels += onGlider;
            gliderDiffers += onGlider && Distance(At(fixed, x, y), At(noon, x, y)) > 0;
            groundDiffers += y >= 480 && Distance(At(fixed, x, y), At(noon, x, y)) > 0;
        }
    }
    ASSERT_GT(gliderPixels, 1000);
    EXPECT_EQ(gliderDiffers, 0);
    EXPECT_EQ(groundDiffers, 0);

    minutes = 23 * 60 + 0.5;
    RunFrameStep(clockSky, platform, true, 1700000000);
    const auto night = context.ReadRgbTopDown();
    SCOPED_TRACE(::testing::Message()
                 << "mean at noon " << mean(noon) << ", at night " << mean(night));
    EXPECT_LT(mean(night), mean(noon) * 0.35);
    EXPECT_GT(mean(night), 8.0);
    long sum[3] = {};
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            if (Distance(At(fixed, x, y), At(noGlider, x, y)) > 0) {
                const Rgb c = At(night, x, y);
                sum[0] += c.r;
                sum[1] += c.g;
                sum[2] += c.b;
            }
        }
    }
    const long r = sum[0] / gliderPixels, g = sum[1] / gliderPixels, b = sum[2] / gliderPixels;
    SCOPED_TRACE(::testing::Message() << "the glider at night " << r << " " << g << " " << b);
    EXPECT_LT((r + g + b) / 3, 110);
    EXPECT_GT((r + g + b) / 3, 20);
    EXPECT_GT(b, r + 15);
}

TEST_F(SceneTest, PositionIsKeptInsideOnePeriod) {
    captures.WriteAll();
    ASSERT_TRUE(InitScene(state, platform));
    state.flight.flightX = 0.4f;
    state.flight.flightZ = -500.2f;
    DrawFrame(state, platform);
    EXPECT_FLOAT_EQ(state.flight.flightX, -499.6f);
    EXPECT_NEAR(state.flight.flightZ, -0.2f, 1e-4f);
}

// The clock over the flight, read back: with the time 13:07 in a 24-hour format, exactly the
// font's lit pixels for "13:07" are light inside the minute's plate, the rest of the plate is the
// ground darkened, and nothing outside the plate differs from the flight without a clock. At
// night under the sky that follows the clock, the same digits are dimmed, though still light.
TEST_F(SceneTest, TheClockDrawsTheMinuteOnADarkPlateInItsCornerAndDimsAtNight) {
    captures.WriteAll();
    double minutes = 13 * 60 + 7.5;
    platform.localMinutes = [&minutes] { return minutes; };
    platform.clockFormat = [] { return ClockFormat{"HH:mm:ss", "AM", "PM"}; };
    const auto fly = [&](RendererState& flying, bool clock, bool followSky) {
        flying.captureFolder = captures.Folder();
        flying.options.showClock = clock;
        flying.options.skyFollowsClock = followSky;
        EXPECT_TRUE(InitScene(flying, platform));
        RunFrameStep(flying, platform, true, 1700000000);
        return context.ReadRgbTopDown();
    };
    RendererState plain, withClock;
    const auto without = fly(plain, false, false);
    const auto with = fly(withClock, true, false);
    ASSERT_EQ(withClock.clock.text, "13:07");

    const int scale = ClockScale(768);
    const ScreenRect plate = ClockPlate({0, 0, 1024, 768}, PixelTextWidth("13:07"), 13 * 60 + 7);
    std::vector<bool> lit(1024 * 768, false);
    for (const PixelRun& run : LayOutPixelText("13:07")) {
        const int left = plate.left + (kClockPadding + run.x) * scale;
        const int bottom = plate.bottom - (kClockPadding + run.y) * scale;
        for (int y = bottom - scale; y < bottom; ++y) {
            for (int x = left; x < left + run.length * scale; ++x) {
                lit[y * 1024 + x] = true;
            }
        }
    }
    int litPixels = 0, outsideDiffers = 0, plateNotDarker = 0, digitsNotLight = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const Rgb before = At(without, x, y), after = At(with, x, y);
            const bool onPlate =
                x >= plate.left && x < plate.right && y >= plate.top && y < plate.bottom;
            if (!onPlate) {
                outsideDiffers += Distance(before, after) > 0;
            } else if (lit[y * 1024 + x]) {
                ++litPixels;
                digitsNotLight += std::min({after.r, after.g, after.b}) < 220;
            } else {
                plateNotDarker +=
                    after.r + after.g + after.b > (before.r + before.g + before.b) / 2;
            }
        }
    }
    EXPECT_GT(litPixels, 100);
    EXPECT_EQ(outsideDiffers, 0);
    EXPECT_EQ(digitsNotLight, 0);
    EXPECT_EQ(plateNotDarker, 0);

    // One in the morning, a minute with the same place in the drift box.
    minutes = 1 * 60 + 7.5;
    RendererState night;
    const auto dark = fly(night, true, true);
    ASSERT_EQ(night.clock.text, "01:07");
    const ScreenRect nightPlate =
        ClockPlate({0, 0, 1024, 768}, PixelTextWidth("01:07"), 1 * 60 + 7);
    ASSERT_EQ(nightPlate, plate);
    int brightest = 0;
    for (int y = plate.top; y < plate.bottom; ++y) {
        for (int x = plate.left; x < plate.right; ++x) {
            brightest = std::max<int>(brightest, At(dark, x, y).g);
        }
    }
    EXPECT_GT(brightest, 60);
    EXPECT_LT(brightest, 140);
}

}  // namespace
}  // namespace altostrat
