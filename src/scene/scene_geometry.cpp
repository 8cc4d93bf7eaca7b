#include "scene/scene_geometry.h"

#include <assimp/postprocess.h>

#include "scene/model_import.h"

namespace rtr::scene {

namespace {

constexpr unsigned int plainImportFlags =
    aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate |
    aiProcess_GenSmoothNormals | aiProcess_FixInfacingNormals | aiProcess_FlipUVs;
static_assert(plainImportFlags == 0x80204B);

}  // namespace

SceneGeometry::SceneGeometry(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                             const std::string& path)
    : ImportedModel(modelMatrix, shaderProgram, plainImportFlags, GL_TRIANGLES) {
    glUseProgram(programName(shaderProgram));
    // A model that cannot be loaded stays in the scene, empty.
    loadModel(path);
}

}  // namespace rtr::scene
