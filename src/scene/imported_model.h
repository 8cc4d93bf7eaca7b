#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

#include "gpu/gl_name.h"
#include "scene/mesh_buffers.h"
#include "scene/scene_object.h"

struct aiScene;
namespace rtr {
class ShaderProgram;
}

namespace rtr::scene {

struct Texture;

// A model imported from a file: the first mesh as indexed primitives, with the diffuse and
// displacement textures its materials name. A file that cannot be imported leaves an empty
// model that draws nothing. The variants differ in the import flags, the primitive they draw
// and the program they load for.
class ImportedModel : public SceneObject {
  public:
    ~ImportedModel() override;
    ImportedModel(const ImportedModel&) = delete;
    ImportedModel& operator=(const ImportedModel&) = delete;

    // False only when the file cannot be imported or holds no mesh.
    bool loadModel(const std::string& path);
    bool loadMaterials(const aiScene* scene, const std::string& path);
    void draw() override;
    // Sets the samplers of whichever program is current; the caller makes the right one so.
    virtual void bindTextures();

    // Not owned; attribute and sampler locations are looked up in it.
    ShaderProgram* shaderProgram = nullptr;
    MeshBuffers buffers;
    GLuint vertexCount = 0;
    GLsizei indexCount = 0;
    // Owned records, in load order: entry 0 is the colour, entry 1 the displacement texture.
    std::vector<Texture*> textures;
    GLint colorTextureLocation = -1;
    GLint displacementTextureLocation = -1;

  protected:
    // Loads nothing yet: a variant may need to make its program current first.
    ImportedModel(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                  unsigned int importFlags, GLenum primitive);

  private:
    unsigned int flags;
    GLenum primitive;
};

// An imported model drawn as triangles with the program it is given.
class SceneGeometry : public ImportedModel {
  public:
    // Makes `shaderProgram` current and loads `path` for it.
    SceneGeometry(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                  const std::string& path);
};

// An imported model drawn as three-vertex patches through the program-wide displacement
// program. A sibling of SceneGeometry, not a kind of it.
class SceneGeometryTess : public ImportedModel {
  public:
    // Ignores `shaderProgram`: loads for the displacement program as it is at construction and
    // leaves the current program alone. The parameter keeps the signature of SceneGeometry.
    SceneGeometryTess(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                      const std::string& path);

    // Binds entries 0 and 1 of `textures` to units 0 and 1 like every model, and
    // colorHeightTexture to unit 2, remaking it first if the entries changed.
    void bindTextures() override;

    // The colour texture with the displacement height in its alpha channel, so the fragment
    // stage reads both with one filtered lookup instead of two. Empty without a colour texture.
    GlTexture colorHeightTexture;
    GLint colorHeightTextureLocation = -1;

  private:
    void packTextures();

    // The texture names colorHeightTexture was made from.
    GLuint packedColor = 0;
    GLuint packedHeight = 0;
};

}  // namespace rtr::scene
