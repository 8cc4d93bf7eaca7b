#include "scene/scene_geometry_tess.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>

#include "app/globals.h"
#include "scene/model_import.h"

namespace rtr::scene {

namespace {

// Unlike the plain models, normals are not turned outwards: the displacement follows them.
constexpr unsigned int importFlags = aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices |
                                     aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                     aiProcess_FlipUVs;
static_assert(importFlags == 0x80004B);

}  // namespace

SceneGeometryTess::SceneGeometryTess(const glm::mat4& modelMatrix, ShaderProgram* /*ignored*/,
                                     const std::string& path)
    : SceneObject(modelMatrix), shaderProgram(displaceShaderProgram) {
    // A model that cannot be loaded stays in the scene, empty.
    loadModel(path);
}

SceneGeometryTess::~SceneGeometryTess() {
    releaseModel(textures, buffers);
}

bool SceneGeometryTess::loadModel(const std::string& path) {
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

bool SceneGeometryTess::loadMaterials(const aiScene* scene, const std::string& path) {
    loadMaterialTextures(*scene, path, programName(shaderProgram),
                         {textures, colorTextureLocation, displacementTextureLocation});
    return true;
}

void SceneGeometryTess::draw() {
    drawMesh(GL_PATCHES, buffers.vao, indexCount);
}

void SceneGeometryTess::bindTextures() {
    bindModelTextures(textures, colorTextureLocation, displacementTextureLocation);
}

}  // namespace rtr::scene
