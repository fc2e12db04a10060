// The scene on Mesa's software rasterizer at 1024 x 768: building the terrain, the whole
// set-up with a 1024 x 768 desktop, one frame on each texture path, and one frame across two
// monitors. Two floors are measured
// in the same run: the mipmap building the set-up cannot avoid, and a frame that sends the
// same primitives (one clear, the terrain cells, the sphere, the two glow strips) with the
// least possible state work.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "benchmarks/bench_captures.h"
#include "common/agreement.h"
#include "flight/gl/gl_headers.h"
#include "flight/loop/frame_step.h"
#include "flight/scene/resize_scene.h"
#include "flight/scene/scene.h"
#include "flight/terrain/terrain_window.h"
#include "tools/offscreen/offscreen_context.h"
#include "tools/offscreen/offscreen_scene_platform.h"

namespace altostrat {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// The capture folder the set-up reads.
struct Captures : BenchCaptures {
    Captures() : BenchCaptures(kWidth, kHeight) {}
};

void ForgetTextures(RendererState& state) {
    const GLuint names[3] = {state.textures.sky, state.textures.ground, state.textures.glow};
    glDeleteTextures(3, names);
    glDeleteLists(state.aircraftList, 1);
}

void BM_Terrain(benchmark::State& bench) {
    for (auto _ : bench) {
        HeightMap map;
        CrtRandom random;
        BuildTerrain(map, random);
        benchmark::DoNotOptimize(map.heights.data());
    }
}
BENCHMARK(BM_Terrain)->Unit(benchmark::kMillisecond);

void BuildMipmaps(int width, int height, const std::vector<std::uint8_t>& pixels) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glFinish();
    glDeleteTextures(1, &texture);
}

void BM_MipmapsOfTheDesktop(benchmark::State& bench) {
    OffscreenContext context(kWidth, kHeight);
    const std::vector<std::uint8_t> pixels = NoisyPixels(kWidth, kHeight);
    for (auto _ : bench) {
        BuildMipmaps(kWidth, kHeight, pixels);
    }
}
BENCHMARK(BM_MipmapsOfTheDesktop)->Unit(benchmark::kMillisecond)->UseRealTime();

// All the mipmap building the set-up must do: the desktop and the two 256 x 256 pictures.
void BM_MipmapsOfAllCaptures(benchmark::State& bench) {
    OffscreenContext context(kWidth, kHeight);
    const std::vector<std::uint8_t> desktop = NoisyPixels(kWidth, kHeight);
    const std::vector<std::uint8_t> small = NoisyPixels(256, 256);
    for (auto _ : bench) {
        BuildMipmaps(256, 256, small);
        BuildMipmaps(kWidth, kHeight, desktop);
        BuildMipmaps(256, 256, small);
    }
}
BENCHMARK(BM_MipmapsOfAllCaptures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InitScene(benchmark::State& bench) {
    OffscreenContext context(kWidth, kHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    for (auto _ : bench) {
        bench.PauseTiming();
        ResizeScene(kWidth, kHeight);
        auto state = std::make_unique<RendererState>();
        state->captureFolder = captures.dir.string() + "/";
        bench.ResumeTiming();
        InitScene(*state, platform);
        glFinish();
        bench.PauseTiming();
        ForgetTextures(*state);
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_InitScene)->Unit(benchmark::kMillisecond)->UseRealTime();

// A scene set up over the benchmark's captures, ready for its first frame in a window WIDTH
// pixels wide.
std::unique_ptr<RendererState> ReadyScene(const Captures& captures, const ScenePlatform& platform,
                                          int width = kWidth) {
    ResizeScene(width, kHeight);
    auto state = std::make_unique<RendererState>();
    state->captureFolder = captures.dir.string() + "/";
    InitScene(*state, platform);
    return state;
}

void DrawFrames(benchmark::State& bench, bool singleUnit) {
    OffscreenContext context(kWidth, kHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    const auto state = ReadyScene(captures, platform);
    if (singleUnit) {
        state->multitexture.multitextureAvailable = false;
    }
    for (auto _ : bench) {
        RunFrameStep(*state, platform, true, 1700000000);
        glFinish();
    }
}

void BM_DrawFrameTwoUnits(benchmark::State& bench) {
    DrawFrames(bench, false);
}
void BM_DrawFrameOneUnit(benchmark::State& bench) {
    DrawFrames(bench, true);
}
BENCHMARK(BM_DrawFrameTwoUnits)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DrawFrameOneUnit)->Unit(benchmark::kMillisecond)->UseRealTime();

// One frame on the primary alone (1024 x 768) and across it and an 800 x 600 monitor beside it
// (one 1824 x 768 window). A frame's work is mostly per pixel, so its time should grow with
// the pixels, by at most 1.1 times their ratio of 1.78. The black covers over other monitors
// are painted by the system once and cost the frames nothing, so there is nothing of theirs
// to measure here.
void BM_DrawFrameAtWidth(benchmark::State& bench) {
    const int width = static_cast<int>(bench.range(0));
    OffscreenContext context(width, kHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    const auto state = ReadyScene(captures, platform, width);
    for (auto _ : bench) {
        RunFrameStep(*state, platform, true, 1700000000);
        glFinish();
    }
    bench.counters["pixels"] = static_cast<double>(width) * kHeight;
}
BENCHMARK(BM_DrawFrameAtWidth)->Arg(1024)->Arg(1824)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor for a frame: the same clear, terrain cells, sphere and glow strips, with the
// state set once and the textures bound once.
void BM_FrameBaseline(benchmark::State& bench) {
    OffscreenContext context(kWidth, kHeight);
    Captures captures;
    const ScenePlatform platform = OffscreenScenePlatform(nullptr);
    const auto state = ReadyScene(captures, platform);
    glDisable(GL_FOG);
    glEnable(GL_TEXTURE_2D);
    const TerrainWindow window = ComputeTerrainWindow(250.0f, 250.0f, state->viewRange);
    for (auto _ : bench) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glLoadIdentity();
        glTranslatef(250.0f, -8.0f, 240.0f);  // above the middle of the drawn square
        glBindTexture(GL_TEXTURE_2D, state->textures.ground);
        for (int x = window.xMin; x < window.xMax; x += kGridStep) {
            const int n = WrapGridIndex(x);
            for (int z = window.zMin; z < window.zMax; z += kGridStep) {
                const int o = WrapGridIndex(z);
                glBegin(GL_TRIANGLE_STRIP);
                for (int corner = 0; corner < 4; ++corner) {
                    const int dx = corner < 2 ? kGridStep : 0;
                    const int dz = corner % 2 == 0 ? kGridStep : 0;
                    glTexCoord2f((n + dx) * 0.002f, (o + dz) * 0.002f);
                    glVertex3f(static_cast<float>(x + dx - 500),
                               state->heightMap.at(n + dx, o + dz),
                               static_cast<float>(z + dz - 500));
                }
                glEnd();
            }
        }
        glBindTexture(GL_TEXTURE_2D, state->textures.sky);
        glLoadIdentity();
        glTranslatef(0.0f, -24000.0f, 0.0f);
        gluSphere(state->skyQuadric.get(), 25000.0, 20, 20);
        glDisable(GL_DEPTH_TEST);
        glBindTexture(GL_TEXTURE_2D, state->textures.glow);
        glLoadIdentity();
        for (float half : {5000.0f, 500.0f}) {
            glBegin(GL_TRIANGLE_STRIP);
            glTexCoord2f(1, 1);
            glVertex3f(250 + half, 1000 + half, -5000);
            glTexCoord2f(0, 1);
            glVertex3f(250 - half, 1000 + half, -5000);
            glTexCoord2f(1, 0);
            glVertex3f(250 + half, 1000 - half, -5000);
            glTexCoord2f(0, 0);
            glVertex3f(250 - half, 1000 - half, -5000);
            glEnd();
        }
        glFinish();
    }
}
BENCHMARK(BM_FrameBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace altostrat
