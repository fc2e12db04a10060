#pragma once
// A polygon model held in memory as meshes, materials, triangles and vertices, which creates a
// texture for each material that names a picture file and draws itself with immediate-mode
// OpenGL. Filling it from a file is the job of a derived class for that file format.

#include <string>

#include "flight/bitmap/dib_image.h"
#include "flight/model/model_data.h"

namespace altostrat {

class Model {
  public:
    Model() = default;
    // Texture names are not given back to OpenGL: the model lives as long as the renderer's
    // rendering context and may outlive it, when no context is current any more.
    virtual ~Model() = default;
    // Fills the model from the file at path, replacing whatever it held, and creates its
    // textures (ReloadTextures with report). False when the file cannot be read or is not a
    // model this class understands; the model is then empty, whatever it held before.
    virtual bool Load(const std::string& path, const DibErrorReport& report = nullptr) = 0;

    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Creates the texture of every material that names a readable picture file; the others get
    // texture 0. A picture file that exists but cannot be decoded is reported through report
    // (which may be empty: nothing is reported then). Needs a current rendering context.
    void ReloadTextures(const DibErrorReport& report);

    // Issues the geometry and material state, mesh by mesh; leaves GL_TEXTURE_2D enabled
    // exactly if it was enabled before. Meant to be recorded into a display list.
    void Draw() const;

    const ModelData& Data() const { return data_; }

  protected:
    Model(Model&&) = default;
    Model& operator=(Model&&) = default;

    ModelData data_;
};

}  // namespace altostrat
