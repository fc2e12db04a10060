#include "flight/gl/extension_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace altostrat {
namespace {

TEST(HasExtension, MatchesWholeWordsOnly) {
    const std::string name = "GL_ARB_multitexture";
    EXPECT_TRUE(HasExtension("GL_EXT_a\nGL_ARB_multitexture", name));            // last word
    EXPECT_TRUE(HasExtension("GL_EXT_a\nGL_ARB_multitexture\n", name));          // trailing blank
    EXPECT_TRUE(HasExtension("GL_ARB_multitexture\nGL_EXT_a", name));            // first word
    EXPECT_TRUE(HasExtension("\n\nGL_EXT_a\n\nGL_ARB_multitexture\n\n", name));  // empty words
    EXPECT_FALSE(HasExtension("GL_ARB_multitexture_plus\nGL_EXT_a", name));
    EXPECT_FALSE(HasExtension("GL_EXT_a\nXGL_ARB_multitexture", name));
    EXPECT_FALSE(HasExtension("GL_ARB_multi", name));
    EXPECT_FALSE(HasExtension("GL_ARB_multitexturf", name));
    EXPECT_FALSE(HasExtension("", name));
    EXPECT_FALSE(HasExtension("\n\n", name));
    EXPECT_FALSE(HasExtension("GL_EXT_a\n\nGL_EXT_b", ""));  // an empty word is no name
}

void ActiveTexture(GLenum) {}
void MultiTexCoord(GLenum, GLfloat, GLfloat) {}

// A lookup that knows the given names and records every name asked for.
struct FakeLookup {
    std::vector<std::string> known;
    std::vector<std::string> asked;

    GetProcAddressFunction Function() {
        return [this](const char* name) -> void* {
            asked.push_back(name);
            for (const std::string& k : known) {
                if (k == name) {
                    return k == "glActiveTextureARB" ? reinterpret_cast<void*>(&ActiveTexture)
                                                     : reinterpret_cast<void*>(&MultiTexCoord);
                }
            }
            return nullptr;
        };
    }
};

TEST(ProbeMultitexture, IsFalseWithoutTheExtensionOrEitherEntryPoint) {
    const auto expectUnavailable = [](const MultitextureState& state) {
        EXPECT_FALSE(state.multitextureAvailable);
        EXPECT_EQ(state.glActiveTextureARB, nullptr);
        EXPECT_EQ(state.glMultiTexCoord2fARB, nullptr);
    };
    // Not listed: no entry point is even asked for.
    FakeLookup all{{"glActiveTextureARB", "glMultiTexCoord2fARB"}, {}};
    MultitextureState state;
    EXPECT_FALSE(ProbeMultitextureIn("GL_ARB_multitexture_x GL_EXT_a", all.Function(), state));
    EXPECT_FALSE(ProbeMultitextureIn("", all.Function(), state));
    EXPECT_FALSE(ProbeMultitextureIn(nullptr, all.Function(), state));
    expectUnavailable(state);
    EXPECT_TRUE(all.asked.empty());

    // Listed, but one of the entry points is not delivered.
    for (const char* onlyOne : {"glActiveTextureARB", "glMultiTexCoord2fARB"}) {
        FakeLookup lookup{{onlyOne}, {}};
        state.multitextureAvailable = true;  // a previous probe's result is not kept
        EXPECT_FALSE(ProbeMultitextureIn("GL_ARB_multitexture", lookup.Function(), state));
        expectUnavailable(state);
    }
    EXPECT_FALSE(ProbeMultitextureIn("GL_ARB_multitexture", nullptr, state));
    expectUnavailable(state);
}

}  // namespace
}  // namespace altostrat
