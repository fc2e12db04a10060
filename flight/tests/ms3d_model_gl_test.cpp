// The model's textures and drawing in an offscreen context: squares side by side in a 64 x 32
// picture, seen straight on through an orthographic projection, one square per mesh.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "flight/gl/gl_headers.h"
#include "flight/model/ms3d_model.h"
#include "flight/tests/dib_test_files.h"
#include "flight/tests/ms3d_test_file.h"
#include "tools/offscreen/offscreen_context.h"

namespace altostrat {
namespace {

using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kRed = {255, 0, 0};
constexpr Rgb kBlue = {0, 0, 255};
constexpr Rgb kGreen = {0, 255, 0};
constexpr Rgb kYellow = {255, 255, 0};
constexpr Rgb kBlack = {0, 0, 0};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "ms3d_gl_" + name;
}

// A 24-bit bottom-up bitmap file; rgb holds width x height pixels, bottom row first.
void WriteBitmap(const std::string& path, int width, int height, const std::vector<Rgb>& rgb) {
    testing::Bytes packed = testing::InfoHeader(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = rgb[static_cast<std::size_t>(y * width + x)];
            packed.U8({p[2], p[1], p[0]});
        }
        packed.Fill(static_cast<std::size_t>((4 - width * 3 % 4) % 4), 0);
    }
    ASSERT_TRUE(WriteTestFile(path, testing::WithFileHeader(packed, 40)));
}

void WriteSolidBitmap(const std::string& path, Rgb colour) {
    WriteBitmap(path, 4, 4, std::vector<Rgb>(16, colour));
}

Ms3dTestFile::Material PlainMaterial(const std::string& texture) {
    return {{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0.0f, texture};
}

class Ms3dModelDrawing : public ::testing::Test {
  protected:
    OffscreenContext context{64, 32};

    void SetUp() override {
        ASSERT_TRUE(context.Valid());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 64, 0, 32, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        // Textured squares show their picture as it is, untextured ones the current colour.
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glColor3f(0, 1, 0);
    }

    void TearDown() override {
        for (const std::string& path : files_) {
            std::remove(path.c_str());
        }
    }

    std::string Picture(const std::string& name, Rgb colour) {
        const std::string path = TempPath(name);
        WriteSolidBitmap(path, colour);
        files_.push_back(path);
        return path;
    }

    void LoadModel(Ms3dModel& model, const Ms3dTestFile& file) {
        const std::string path = TempPath("model.ms3d");
        files_.push_back(path);
        ASSERT_TRUE(file.Write(path));
        ASSERT_TRUE(model.Load(path));
    }

    // Records Draw into a display list, as the scene set-up does, clears and plays the list.
    static void DrawThroughList(const Model& model) {
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        model.Draw();
        glEndList();
        glClear(GL_COLOR_BUFFER_BIT);
        glCallList(list);
        glDeleteLists(list, 1);
    }

    // The colour at (x, y), counted from the bottom left as OpenGL does.
    Rgb PixelAt(int x, int y) const {
        const std::vector<std::uint8_t> rgb = context.ReadRgbTopDown();
        const std::size_t at = (static_cast<std::size_t>(31 - y) * 64 + x) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }

    std::vector<std::string> files_;
};

TEST_F(Ms3dModelDrawing, EachMeshShowsItsOwnMaterialsTexture) {
    Ms3dTestFile file;
    const std::string twoTone = TempPath("two_tone.bmp");
    files_.push_back(twoTone);
    std::vector<Rgb> pixels(16, kRed);
    std::fill(pixels.begin() + 8, pixels.end(), kYellow);  // the upper two rows
    WriteBitmap(twoTone, 4, 4, pixels);
    file.materials = {PlainMaterial(twoTone), PlainMaterial(Picture("blue.bmp", kBlue))};
    file.groups = {{file.AddSquare(0, 0, 16, 32), 0},
                   {file.AddSquare(16, 0, 32, 32), 1},
                   {file.AddSquare(32, 0, 48, 32), 255}};
    Ms3dModel model;
    LoadModel(model, file);
    const std::vector<Material>& materials = model.Data().materials;
    EXPECT_NE(materials[0].texture, 0u);
    EXPECT_NE(materials[1].texture, 0u);
    EXPECT_NE(materials[0].texture, materials[1].texture);

    DrawThroughList(model);
    // The picture stands upright: its bottom rows at the bottom of the square.
    // (Rows 6 and 25 sample between two texels of the same colour.)
    EXPECT_EQ(PixelAt(8, 6), kRed);
    EXPECT_EQ(PixelAt(8, 25), kYellow);
    EXPECT_EQ(PixelAt(24, 16), kBlue);
    EXPECT_EQ(PixelAt(40, 16), kGreen);  // no material: untextured, in the current colour
    EXPECT_EQ(PixelAt(56, 16), kBlack);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Ms3dModelDrawing, PicturesThatCannotBeUsedLeaveTheirMeshesUntextured) {
    const std::string garbage = TempPath("garbage.bmp");
    files_.push_back(garbage);
    ASSERT_TRUE(WriteTestFile(garbage, {'B', 'M', 0, 0}));

    Ms3dTestFile file;
    file.materials = {PlainMaterial(""), PlainMaterial(TempPath("missing.bmp")),
                      PlainMaterial(garbage), PlainMaterial(Picture("red.bmp", kRed))};
    file.groups = {{file.AddSquare(0, 0, 16, 32), 0},
                   {file.AddSquare(16, 0, 32, 32), 1},
                   {file.AddSquare(32, 0, 48, 32), 2},
                   {file.AddSquare(48, 0, 64, 32), 3}};
    const std::string path = TempPath("model.ms3d");
    files_.push_back(path);
    ASSERT_TRUE(file.Write(path));
    Ms3dModel model;
    std::vector<std::string> messages;
    ASSERT_TRUE(model.Load(path, [&](const std::string& message) { messages.push_back(message); }));
    EXPECT_EQ(messages.size(), 1u);  // the file that is there but is no picture
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(model.Data().materials[static_cast<std::size_t>(i)].texture, 0u) << i;
    }

    DrawThroughList(model);
    EXPECT_EQ(PixelAt(8, 16), kGreen);
    EXPECT_EQ(PixelAt(24, 16), kGreen);
    EXPECT_EQ(PixelAt(40, 16), kGreen);
    EXPECT_EQ(PixelAt(56, 16), kRed);
}

// The picture's rows are packed; a width of 3 pixels makes rows of 9 bytes, which OpenGL must
// not read as if they were padded to 12.
TEST_F(Ms3dModelDrawing, TexturesHoldThePictureExactlyAndFilterLinearly) {
    const std::vector<Rgb> pixels = {{1, 2, 3},    {4, 5, 6},    {7, 8, 9},
                                     {10, 11, 12}, {13, 14, 15}, {16, 17, 18}};
    const std::string picture = TempPath("three_by_two.bmp");
    files_.push_back(picture);
    WriteBitmap(picture, 3, 2, pixels);
    Ms3dTestFile file;
    file.materials = {PlainMaterial(picture)};
    Ms3dModel model;
    LoadModel(model, file);
    const GLuint texture = model.Data().materials[0].texture;
    ASSERT_NE(texture, 0u);
    // Whatever the caller had set for its own uploads is left as it was.
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);

    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0, minFilter = 0, magFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(minFilter, GL_LINEAR);  // no mipmaps: the default filter would need them
    EXPECT_EQ(magFilter, GL_LINEAR);

    std::vector<std::uint8_t> stored(18, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, stored.data());
    for (std::size_t i = 0; i < 18; ++i) {
        EXPECT_EQ(stored[i], i + 1) << "byte " << i;
    }
}

TEST_F(Ms3dModelDrawing, TexturingIsSwitchedBackToWhatItWas) {
    Ms3dTestFile file;
    file.materials = {PlainMaterial(Picture("red.bmp", kRed))};
    file.groups = {{file.AddSquare(0, 0, 16, 32), 255}, {file.AddSquare(16, 0, 32, 32), 0}};
    Ms3dModel endsTextured;
    LoadModel(endsTextured, file);
    std::swap(file.groups[0].material, file.groups[1].material);
    Ms3dModel endsUntextured;
    LoadModel(endsUntextured, file);
    const Ms3dModel empty;

    for (const Model* model :
         {static_cast<const Model*>(&endsTextured), static_cast<const Model*>(&endsUntextured),
          static_cast<const Model*>(&empty)}) {
        for (bool enabled : {false, true}) {
            if (enabled) {
                glEnable(GL_TEXTURE_2D);
            } else {
                glDisable(GL_TEXTURE_2D);
            }
            model->Draw();
            EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), enabled ? GL_TRUE : GL_FALSE);
            DrawThroughList(*model);
            EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), enabled ? GL_TRUE : GL_FALSE);
        }
    }
    // The list puts back the state of the time it was recorded, as the scene relies on.
    glEnable(GL_TEXTURE_2D);
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    endsUntextured.Draw();
    glEndList();
    glDisable(GL_TEXTURE_2D);
    glCallList(list);
    EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), GL_TRUE);

    // An empty model draws nothing.
    glDisable(GL_TEXTURE_2D);
    DrawThroughList(empty);
    EXPECT_EQ(PixelAt(8, 16), kBlack);
}

// Lit drawing with only the global ambient light: what shows is each mesh's ambient colour.
TEST_F(Ms3dModelDrawing, MeshWithoutMaterialKeepsTheOneBeforeIt) {
    Ms3dTestFile file;
    file.materials = {
        {{1, 0, 0, 1}, {0.2f, 0.3f, 0.4f, 1}, {0.5f, 0.6f, 0.7f, 1}, {0, 0, 0, 0.5f}, 64.0f, ""}};
    file.groups = {{file.AddSquare(0, 0, 16, 32), 0}, {file.AddSquare(16, 0, 32, 32), 200}};
    Ms3dModel model;
    LoadModel(model, file);
    ASSERT_EQ(model.Data().meshes[1].materialIndex, -56);

    const GLfloat white[4] = {1, 1, 1, 1};
    const GLfloat blue[4] = {0, 0, 1, 1};
    glEnable(GL_LIGHTING);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, white);
    glMaterialfv(GL_FRONT, GL_AMBIENT, blue);
    DrawThroughList(model);
    EXPECT_EQ(PixelAt(8, 16), kRed);
    EXPECT_EQ(PixelAt(24, 16), kRed);

    const auto expectFront = [](GLenum name, std::array<GLfloat, 4> expected) {
        std::array<GLfloat, 4> value{};
        glGetMaterialfv(GL_FRONT, name, value.data());
        EXPECT_EQ(value, expected) << "material parameter " << name;
    };
    expectFront(GL_AMBIENT, {1, 0, 0, 1});
    expectFront(GL_DIFFUSE, {0.2f, 0.3f, 0.4f, 1});
    expectFront(GL_SPECULAR, {0.5f, 0.6f, 0.7f, 1});
    expectFront(GL_EMISSION, {0, 0, 0, 0.5f});
    GLfloat shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(shininess, 64.0f);
}

}  // namespace
}  // namespace altostrat
