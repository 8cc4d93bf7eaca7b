#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

#include "scene/mesh_buffers.h"
#include "scene/scene_object.h"

struct aiScene;
namespace rtr {
class ShaderProgram;
}

namespace rtr::scene {

struct Texture;

// A model imported like SceneGeometry but drawn as three-vertex patches through the program-wide
// displacement program. A sibling of SceneGeometry, not a kind of it.
class SceneGeometryTess : public SceneObject {
  public:
    // Ignores `shaderProgram`: loads for the displacement program as it is at construction and
    // leaves the current program alone. The parameter keeps the signature of SceneGeometry.
    SceneGeometryTess(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                      const std::string& path);
    ~SceneGeometryTess() override;
    SceneGeometryTess(const SceneGeometryTess&) = delete;
    SceneGeometryTess& operator=(const SceneGeometryTess&) = delete;

    // False only when the file cannot be imported or holds no mesh.
    bool loadModel(const std::string& path);
    bool loadMaterials(const aiScene* scene, const std::string& path);
    void draw() override;
    // Sets the samplers of whichever program is current; the caller makes the right one so.
    virtual void bindTextures();

    // Not owned: the displacement program; attribute and sampler locations are looked up in it.
    ShaderProgram* shaderProgram = nullptr;
    MeshBuffers buffers;
    GLuint vertexCount = 0;
    GLsizei indexCount = 0;
    // Owned records, in load order: entry 0 is the colour, entry 1 the displacement texture.
    std::vector<Texture*> textures;
    GLint colorTextureLocation = -1;
    GLint displacementTextureLocation = -1;
};

}  // namespace rtr::scene
