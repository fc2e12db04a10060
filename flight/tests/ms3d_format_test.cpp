#include "flight/model/ms3d_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flight/tests/ms3d_test_file.h"

namespace altostrat {
namespace {

// Two meshes over three triangles, two materials, and animation data after the materials.
Ms3dTestFile SampleFile(std::int32_t version) {
    Ms3dTestFile file;
    file.version = version;
    file.vertices = {{1.5f, -2.0f, 3.25f, -1}, {4.0f, 5.0f, 6.0f, 7}, {-7.0f, 8.0f, 9.5f, 0}};
    file.triangles = {
        {{0, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0.0f, 0.5f, 1.0f}, {0.25f, 1.0f, 0.0f}},
        {{2, 1, 0}, {0, 0, 1, 0, 1, 0, 1, 0, 0}, {0.1f, 0.2f, 0.3f}, {0.5f, 0.5f, 0.5f}},
        {{1, 1, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}},
    };
    file.groups = {{{2, 0}, 1}, {{1}, 255}};
    file.materials = {
        {{0.1f, 0.2f, 0.3f, 0.4f},
         {0.5f, 0.6f, 0.7f, 0.8f},
         {0.9f, 1.0f, 0.0f, 1.0f},
         {0.0f, 0.25f, 0.5f, 0.75f},
         32.0f,
         ""},
        {{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0.0f, "textures\\wing.bmp"},
    };
    file.trailer = {0, 0, 0xc8, 0x41, 0, 0, 0, 0, 0xff, 0xff};
    return file;
}

bool Parse(const std::vector<std::uint8_t>& bytes, ModelData& out) {
    return ParseMs3d(bytes.data(), bytes.size(), out);
}
bool Parse(const Ms3dTestFile& file, ModelData& out) {
    return Parse(file.Bytes(), out);
}

bool IsEmpty(const ModelData& data) {
    return data.meshes.empty() && data.materials.empty() && data.triangles.empty() &&
           data.vertices.empty();
}

class Ms3dVersions : public ::testing::TestWithParam<std::int32_t> {};
INSTANTIATE_TEST_SUITE_P(ReadableVersions, Ms3dVersions, ::testing::Values(3, 4));

TEST_P(Ms3dVersions, EveryFieldLandsInItsPlace) {
    ModelData data;
    ASSERT_TRUE(Parse(SampleFile(GetParam()), data));

    ASSERT_EQ(data.vertices.size(), 3u);
    EXPECT_EQ(data.vertices[0].boneIndex, -1);
    EXPECT_EQ(data.vertices[1].boneIndex, 7);
    EXPECT_EQ(data.vertices[0].position[0], 1.5f);
    EXPECT_EQ(data.vertices[0].position[1], -2.0f);
    EXPECT_EQ(data.vertices[0].position[2], 3.25f);
    EXPECT_EQ(data.vertices[2].position[2], 9.5f);

    ASSERT_EQ(data.triangles.size(), 3u);
    const Triangle& first = data.triangles[0];
    EXPECT_EQ(first.vertexIndices[0], 0);
    EXPECT_EQ(first.vertexIndices[1], 1);
    EXPECT_EQ(first.vertexIndices[2], 2);
    for (int corner = 0; corner < 3; ++corner) {
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_EQ(first.normals[corner][axis], static_cast<float>(corner * 3 + axis + 1));
        }
    }
    EXPECT_EQ(first.s[1], 0.5f);
    EXPECT_EQ(first.s[2], 1.0f);
    // t is turned over for OpenGL: 0.25 in the file is drawn as 0.75.
    EXPECT_EQ(first.t[0], 0.75f);
    EXPECT_EQ(first.t[1], 0.0f);
    EXPECT_EQ(first.t[2], 1.0f);
    EXPECT_EQ(data.triangles[1].vertexIndices[0], 2);
    EXPECT_EQ(data.triangles[1].normals[1][1], 1.0f);

    ASSERT_EQ(data.meshes.size(), 2u);
    EXPECT_EQ(data.meshes[0].materialIndex, 1);
    EXPECT_EQ(data.meshes[0].triangleIndices, (std::vector<std::int32_t>{2, 0}));
    EXPECT_EQ(data.meshes[1].materialIndex, -1);
    EXPECT_EQ(data.meshes[1].triangleIndices, (std::vector<std::int32_t>{1}));

    ASSERT_EQ(data.materials.size(), 2u);
    const Material& material = data.materials[0];
    EXPECT_EQ(material.ambient[3], 0.4f);
    EXPECT_EQ(material.diffuse[0], 0.5f);
    EXPECT_EQ(material.specular[1], 1.0f);
    EXPECT_EQ(material.emissive[3], 0.75f);
    EXPECT_EQ(material.shininess, 32.0f);
    EXPECT_EQ(material.textureFile, "");
    EXPECT_EQ(data.materials[1].textureFile, "textures\\wing.bmp");
    EXPECT_EQ(data.materials[0].texture, 0u);
    EXPECT_EQ(data.materials[1].texture, 0u);
}

TEST(Ms3dFormat, IndicesAreWidenedWithoutSign) {
    Ms3dTestFile file;
    file.vertices.assign(40001, {0.0f, 0.0f, 0.0f, 0});
    file.triangles = {{{40000, 0, 32768}, {}, {}, {}}};
    file.groups = {{std::vector<std::uint16_t>(3, 0), 255}};
    ModelData data;
    ASSERT_TRUE(Parse(file, data));
    EXPECT_EQ(data.triangles[0].vertexIndices[0], 40000);
    EXPECT_EQ(data.triangles[0].vertexIndices[2], 32768);
}

TEST(Ms3dFormat, MaterialIndexIsASignedByte) {
    Ms3dTestFile file = SampleFile(4);
    file.groups[0].material = 200;
    file.groups[1].material = 128;
    ModelData data;
    ASSERT_TRUE(Parse(file, data));
    EXPECT_EQ(data.meshes[0].materialIndex, 200 - 256);
    EXPECT_EQ(data.meshes[1].materialIndex, -128);
}

TEST(Ms3dFormat, TextureNameEndsAtTheFirstZeroOrFillsItsField) {
    Ms3dTestFile file = SampleFile(4);
    file.materials[0].texture = std::string("sky.bmp\0old.bmp", 15);
    file.materials[1].texture = std::string(128, 'x');
    ModelData data;
    ASSERT_TRUE(Parse(file, data));
    EXPECT_EQ(data.materials[0].textureFile, "sky.bmp");
    EXPECT_EQ(data.materials[1].textureFile, std::string(128, 'x'));
}

TEST(Ms3dFormat, RefusesOtherIdentifiersAndVersions) {
    ModelData data;
    for (std::size_t i = 0; i < 10; ++i) {
        Ms3dTestFile file = SampleFile(4);
        file.identifier[i] = static_cast<char>(file.identifier[i] + 1);
        EXPECT_FALSE(Parse(file, data)) << "identifier byte " << i;
    }
    for (std::int32_t version : {2, 5, 0, -1, 0x104, 0x7fffffff}) {
        EXPECT_FALSE(Parse(SampleFile(version), data)) << "version " << version;
    }
    EXPECT_TRUE(IsEmpty(data));
}

// A cut anywhere, including at every boundary between record kinds and records and inside the
// records that a count announces, is refused; only the animation data after the materials may
// be missing.
TEST(Ms3dFormat, RefusesEveryTruncation) {
    Ms3dTestFile file = SampleFile(4);
    file.trailer.clear();
    const std::vector<std::uint8_t> whole = file.Bytes();
    ModelData data;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        ASSERT_FALSE(Parse(cut, data)) << "length " << length << " of " << whole.size();
    }
    EXPECT_TRUE(IsEmpty(data));
    EXPECT_TRUE(Parse(whole, data));
}

TEST(Ms3dFormat, RefusesIndicesOutsideTheirArrays) {
    ModelData data;
    Ms3dTestFile file = SampleFile(4);
    file.triangles[2].vertices[1] = 3;  // three vertices
    EXPECT_FALSE(Parse(file, data));

    file = SampleFile(4);
    file.groups[1].triangles = {0, 3};  // three triangles
    EXPECT_FALSE(Parse(file, data));

    file = SampleFile(4);
    file.groups[1].material = 2;  // two materials
    EXPECT_FALSE(Parse(file, data));

    file = SampleFile(4);
    file.groups[0].material = 0;
    file.materials.clear();
    EXPECT_FALSE(Parse(file, data));
    EXPECT_TRUE(IsEmpty(data));

    // The last element of each array is still in reach.
    file = SampleFile(4);
    file.triangles[2].vertices[1] = 2;
    file.groups[1].triangles = {2};
    file.groups[1].material = 1;
    EXPECT_TRUE(Parse(file, data));
}

}  // namespace
}  // namespace altostrat
