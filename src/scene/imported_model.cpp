#include "scene/imported_model.h"

#include <assimp/Importer.hpp>

#include "scene/model_import.h"

namespace rtr::scene {

ImportedModel::ImportedModel(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                             unsigned int importFlags, GLenum primitive)
    : SceneObject(modelMatrix),
      shaderProgram(shaderProgram),
      flags(importFlags),
      primitive(primitive) {}

ImportedModel::~ImportedModel() {
    releaseTextures(textures);
}

bool ImportedModel::loadModel(const std::string& path) {
    Assimp::Importer importer;
    const aiScene* scene = importScene(importer, path, flags);
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

bool ImportedModel::loadMaterials(const aiScene* scene, const std::string& path) {
    loadMaterialTextures(*scene, path, programName(shaderProgram),
                         {textures, colorTextureLocation, displacementTextureLocation});
    return true;
}

void ImportedModel::draw() {
    drawMesh(primitive, buffers.vao, indexCount);
}

void ImportedModel::bindTextures() {
    bindModelTextures(textures, colorTextureLocation, displacementTextureLocation);
}

}  // namespace rtr::scene
