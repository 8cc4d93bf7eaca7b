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

// A model imported from a file: the first mesh as indexed triangles, with the diffuse and
// displacement textures its materials name. A file that cannot be imported leaves an empty
// model that draws nothing.
class SceneGeometry : public SceneObject {
  public:
    // Makes `shaderProgram` current and loads `path` for it.
    SceneGeometry(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                  const std::string& path);
    ~SceneGeometry() override;
    SceneGeometry(const SceneGeometry&) = delete;
    SceneGeometry& operator=(const SceneGeometry&) = delete;

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
};

}  // namespace rtr::scene
