#include "scene/scene_geometry_tess.h"

#include <assimp/postprocess.h>

#include "app/globals.h"
#include "gpu/shader_program.h"
#include "scene/model_import.h"
#include "scene/texture.h"

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
    colorHeightTextureLocation =
        glGetUniformLocation(programName(shaderProgram), "colorHeightTexture");
    packTextures();
}

void SceneGeometryTess::packTextures() {
    const GLuint color = textures.empty() ? 0 : textures[0]->id.get();
    const GLuint height = textures.size() < 2 ? 0 : textures[1]->id.get();
    if (color == packedColor && height == packedHeight)
        return;
    colorHeightTexture = color != 0 ? packColorAndHeight(color, height) : GlTexture();
    packedColor = color;
    packedHeight = height;
}

void SceneGeometryTess::bindTextures() {
    // Like every model, other counts bind nothing.
    if (textures.size() != 1 && textures.size() != 2)
        return;
    packTextures();  // binds what it reads and makes on the active unit, so it goes first
    ImportedModel::bindTextures();
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, colorHeightTexture);
    glUniform1i(colorHeightTextureLocation, 2);
}

}  // namespace rtr::scene
