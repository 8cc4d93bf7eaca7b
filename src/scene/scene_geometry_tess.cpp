#include "scene/scene_geometry_tess.h"

#include <assimp/postprocess.h>

#include "app/globals.h"

namespace rtr::scene {

namespace {

// Unlike the plain models, normals are not turned outwards: the displacement follows them.
constexpr unsigned int tessImportFlags = aiProcess_CalcTangentSpace |
                                         aiProcess_JoinIdenticalVertices | aiProcess_Triangulate |
                                         aiProcess_GenSmoothNormals | aiProcess_FlipUVs;
static_assert(tessImportFlags == 0x80004B);

}  // namespace

SceneGeometryTess::SceneGeometryTess(const glm::mat4& modelMatrix, ShaderProgram* /*ignored*/,
                                     const std::string& path)
    : ImportedModel(modelMatrix, displaceShaderProgram, tessImportFlags, GL_PATCHES) {
    // A model that cannot be loaded stays in the scene, empty.
    loadModel(path);
}

}  // namespace rtr::scene
