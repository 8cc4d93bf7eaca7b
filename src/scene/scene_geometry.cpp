#include "scene/scene_geometry.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>

#include "scene/model_import.h"

namespace rtr::scene {

namespace {

constexpr unsigned int importFlags = aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices |
                                     aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                     aiProcess_FixInfacingNormals | aiProcess_FlipUVs;
static_assert(importFlags == 0x80204B);

}  // namespace

SceneGeometry::SceneGeometry(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                             const std::string& path)
    : SceneObject(modelMatrix), shaderProgram(shaderProgram) {
    glUseProgram(programName(shaderProgram));
    // A model that cannot be loaded stays in the scene, empty.
    loadModel(path);
}

SceneGeometry::~SceneGeometry() {
    releaseModel(textures, buffers);
}

bool SceneGeometry::loadModel(const std::string& path) {
    Assimp::Importer importer;
    const aiScene* scene = importScene(importer, path, importFlags);
    if (scene == nullptr) {
        return false;
    }
    const MeshData mesh = readFirstMesh(*scene);
    boundingBoxMin = mesh.boxMin;
    boundingBoxMax = mesh.boxMax;
    vertexCount = mesh.vertexCount;
    indexCount = static_cast<GLsizei>(mesh.indices.size());
    uploadMesh(mesh, programName(shaderProgram), buffers);
    return loadMaterials(scene, path);
}

bool SceneGeometry::loadMaterials(const aiScene* scene, const std::string& path) {
    loadMaterialTextures(*scene, path, programName(shaderProgram),
                         {textures, colorTextureLocation, displacementTextureLocation});
    return true;
}

void SceneGeometry::draw() {
    drawMesh(GL_TRIANGLES, buffers.vao, indexCount);
}

void SceneGeometry::bindTextures() {
    bindModelTextures(textures, colorTextureLocation, displacementTextureLocation);
}

}  // namespace rtr::scene
