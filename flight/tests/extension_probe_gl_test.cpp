// The probe against a real implementation: Mesa lists the extension, and the entry points it
// hands out must work on the current context.
#include <gtest/gtest.h>

#include <GL/osmesa.h>

#include "flight/gl/extension_probe.h"
#include "tools/offscreen/offscreen_context.h"

namespace altostrat {
namespace {

void* MesaLookup(const char* name) {
    return reinterpret_cast<void*>(OSMesaGetProcAddress(name));
}

TEST(ProbeMultitextureGl, FetchesWorkingEntryPointsFromTheContext) {
    OffscreenContext context(64, 64);
    ASSERT_TRUE(context.Valid());
    MultitextureState state;
    ASSERT_TRUE(ProbeMultitexture(MesaLookup, state));
    ASSERT_TRUE(state.multitextureAvailable);

    state.glActiveTextureARB(kTexture1Arb);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, static_cast<GLint>(kTexture1Arb));
    state.glMultiTexCoord2fARB(kTexture1Arb, 0.25f, 0.75f);
    GLfloat coords[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
    EXPECT_FLOAT_EQ(coords[0], 0.25f);
    EXPECT_FLOAT_EQ(coords[1], 0.75f);
    state.glActiveTextureARB(kTexture0Arb);
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
    EXPECT_FLOAT_EQ(coords[0], 0.0f);  // unit 0 kept its own coordinates
}

TEST(ProbeMultitextureGl, IsFalseWhenThePlatformDeliversNoEntryPoint) {
    OffscreenContext context(64, 64);
    ASSERT_TRUE(context.Valid());
    MultitextureState state;
    EXPECT_FALSE(ProbeMultitexture([](const char*) -> void* { return nullptr; }, state));
    EXPECT_FALSE(state.multitextureAvailable);
}

}  // namespace
}  // namespace altostrat
