// Loading from a file and from memory, without a rendering context: the materials here name no
// picture that could be decoded, so no texture is ever asked of OpenGL.
#include "flight/model/ms3d_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "flight/tests/dib_test_files.h"
#include "flight/tests/ms3d_test_file.h"

namespace altostrat {
namespace {

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "ms3d_" + name;
}

Ms3dTestFile TwoMeshFile() {
    Ms3dTestFile file;
    const std::vector<std::uint16_t> left = file.AddSquare(0, 0, 1, 1);
    const std::vector<std::uint16_t> right = file.AddSquare(2, 0, 3, 1);
    file.groups = {{left, 0}, {right, 1}};
    file.materials = {{{1, 0, 0, 1}, {1, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 10.0f, ""},
                      {{0, 0, 1, 1},
                       {0, 0, 1, 1},
                       {0, 0, 0, 1},
                       {0, 0, 0, 1},
                       10.0f,
                       TempPath("no_such_picture.bmp")}};
    return file;
}

bool IsEmpty(const Model& model) {
    const ModelData& data = model.Data();
    return data.meshes.empty() && data.materials.empty() && data.triangles.empty() &&
           data.vertices.empty();
}

TEST(Ms3dModel, LoadsAFileAndLeavesMissingPicturesUntextured) {
    const std::string path = TempPath("two_meshes.ms3d");
    ASSERT_TRUE(TwoMeshFile().Write(path));
    Ms3dModel model;
    testing::RecordedReports reports;
    ASSERT_TRUE(model.Load(path, reports.Sink()));
    const ModelData& data = model.Data();
    EXPECT_EQ(data.vertices.size(), 8u);
    EXPECT_EQ(data.triangles.size(), 4u);
    ASSERT_EQ(data.meshes.size(), 2u);
    EXPECT_EQ(data.meshes[1].triangleIndices, (std::vector<std::int32_t>{2, 3}));
    ASSERT_EQ(data.materials.size(), 2u);
    EXPECT_EQ(data.materials[0].texture, 0u);
    EXPECT_EQ(data.materials[1].texture, 0u);
    // A picture that is not there is no error worth a message.
    EXPECT_TRUE(reports.messages.empty());
    std::remove(path.c_str());
}

TEST(Ms3dModel, PictureThatCannotBeDecodedIsReportedOnceAndLeftUntextured) {
    Ms3dTestFile file = TwoMeshFile();
    const std::string picture = TempPath("not_a_picture.bmp");
    ASSERT_TRUE(WriteTestFile(picture, {'n', 'o', ' ', 'b', 'i', 't', 'm', 'a', 'p'}));
    file.materials[1].texture = picture;
    const std::string path = TempPath("bad_picture.ms3d");
    ASSERT_TRUE(file.Write(path));
    Ms3dModel model;
    testing::RecordedReports reports;
    ASSERT_TRUE(model.Load(path, reports.Sink()));
    EXPECT_EQ(model.Data().materials[1].texture, 0u);
    EXPECT_EQ(reports.messages.size(), 1u);
    // Without a hook nothing is reported, and nothing breaks either.
    Ms3dModel quiet;
    EXPECT_TRUE(quiet.Load(path));
    std::remove(path.c_str());
    std::remove(picture.c_str());
}

TEST(Ms3dModel, FailedLoadLeavesTheModelEmpty) {
    const std::string path = TempPath("refused.ms3d");
    Ms3dTestFile file = TwoMeshFile();
    Ms3dModel model;
    EXPECT_TRUE(IsEmpty(model));
    EXPECT_FALSE(model.Load(TempPath("no_such_model.ms3d")));
    EXPECT_TRUE(IsEmpty(model));

    // Also when the model held an earlier, good load: no mixture of the two is left.
    const std::vector<std::uint8_t> good = file.Bytes();
    ASSERT_TRUE(model.LoadFromBytes(good.data(), good.size()));
    file.version = 5;
    ASSERT_TRUE(file.Write(path));
    EXPECT_FALSE(model.Load(path));
    EXPECT_TRUE(IsEmpty(model));

    ASSERT_TRUE(model.LoadFromBytes(good.data(), good.size()));
    EXPECT_FALSE(model.LoadFromBytes(good.data(), good.size() - 1));
    EXPECT_TRUE(IsEmpty(model));
    std::remove(path.c_str());
}

TEST(Ms3dModel, SecondLoadReplacesTheFirst) {
    Ms3dTestFile small;
    small.AddSquare(0, 0, 1, 1);
    const std::vector<std::uint8_t> first = TwoMeshFile().Bytes();
    const std::vector<std::uint8_t> second = small.Bytes();
    Ms3dModel model;
    ASSERT_TRUE(model.LoadFromBytes(first.data(), first.size()));
    ASSERT_TRUE(model.LoadFromBytes(second.data(), second.size()));
    EXPECT_EQ(model.Data().vertices.size(), 4u);
    EXPECT_EQ(model.Data().triangles.size(), 2u);
    EXPECT_TRUE(model.Data().meshes.empty());
    EXPECT_TRUE(model.Data().materials.empty());
}

}  // namespace
}  // namespace altostrat
