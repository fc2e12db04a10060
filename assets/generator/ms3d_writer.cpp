#include "assets/generator/ms3d_writer.h"

#include <cstring>
#include <utility>

namespace altostrat::assets {
namespace {

// Little-endian fields, packed one after the other as the format lays them out.
class Out {
  public:
    void U8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void U16(std::uint16_t value) {
        U8(static_cast<std::uint8_t>(value & 0xFF));
        U8(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            U8(static_cast<std::uint8_t>((value >> shift) & 0xFF));
        }
    }
    void F32(float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        U32(bits);
    }
    template <std::size_t N>
    void Floats(const std::array<float, N>& values) {
        for (float value : values) {
            F32(value);
        }
    }
    // A text in a fixed field, zero-padded; always leaves room for the terminating zero.
    void Text(const std::string& text, std::size_t width) {
        const std::size_t length = text.size() < width ? text.size() : width - 1;
        bytes_.append(text, 0, length);
        bytes_.append(width - length, '\0');
    }
    void Raw(const char* text, std::size_t count) { bytes_.append(text, count); }
    std::string Take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

constexpr std::int8_t kNoBone = -1;
constexpr std::uint8_t kOneSmoothingGroup = 1;
constexpr float kOpaque = 1.0f;
// MilkShape's own defaults for a model without animation.
constexpr float kFramesPerSecond = 24.0f;
constexpr std::int32_t kTotalFrames = 30;

}  // namespace

std::string Ms3dBytes(const Ms3dFile& model) {
    Out body;
    body.Raw("MS3D000000", 10);  // the identifier, without a terminating zero
    body.U32(4);                 // version

    // How many triangles use each vertex, as MilkShape records it.
    std::vector<std::uint8_t> references(model.vertices.size(), 0);
    for (const Ms3dTriangle& triangle : model.triangles) {
        for (std::uint16_t index : triangle.vertices) {
            ++references[index];
        }
    }
    body.U16(static_cast<std::uint16_t>(model.vertices.size()));
    for (std::size_t i = 0; i < model.vertices.size(); ++i) {
        body.U8(0);  // flags
        body.Floats(model.vertices[i]);
        body.U8(static_cast<std::uint8_t>(kNoBone));
        body.U8(references[i]);
    }

    body.U16(static_cast<std::uint16_t>(model.triangles.size()));
    for (const Ms3dTriangle& triangle : model.triangles) {
        body.U16(0);  // flags
        for (std::uint16_t index : triangle.vertices) {
            body.U16(index);
        }
        for (int corner = 0; corner < 3; ++corner) {
            body.Floats(triangle.normal);
        }
        body.Floats(std::array<float, 3>{});  // s: no texture
        body.Floats(std::array<float, 3>{});  // t
        body.U8(kOneSmoothingGroup);
        body.U8(0);  // the one group
    }

    body.U16(1);  // groups
    body.U8(0);   // flags
    body.Text(model.groupName, 32);
    body.U16(static_cast<std::uint16_t>(model.triangles.size()));
    for (std::size_t i = 0; i < model.triangles.size(); ++i) {
        body.U16(static_cast<std::uint16_t>(i));
    }
    body.U8(0);  // material 0

    const Ms3dMaterial& material = model.material;
    body.U16(1);  // materials
    body.Text(material.name, 32);
    body.Floats(material.ambient);
    body.Floats(material.diffuse);
    body.Floats(material.specular);
    body.Floats(material.emissive);
    body.F32(material.shininess);
    body.F32(kOpaque);
    body.U8(0);          // mode
    body.Text("", 128);  // texture file: none
    body.Text("", 128);  // alpha map: none

    body.F32(kFramesPerSecond);
    body.F32(0.0f);  // current time
    body.U32(static_cast<std::uint32_t>(kTotalFrames));
    body.U16(0);  // joints
    return body.Take();
}

}  // namespace altostrat::assets
