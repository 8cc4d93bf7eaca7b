#include "collada.h"

#include <assimp/Exporter.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <memory>
#include <regex>
#include <stdexcept>

namespace scenegen {

namespace {

aiMaterial* placeholderMaterial() {
    auto* material = new aiMaterial();
    const aiString name("placeholder");
    material->AddProperty(&name, AI_MATKEY_NAME);
    const aiColor3D grey(0.8f, 0.8f, 0.8f);
    material->AddProperty(&grey, 1, AI_MATKEY_COLOR_DIFFUSE);
    return material;
}

aiMaterial* texturedMaterial(const MaterialTextures& textures) {
    auto* material = new aiMaterial();
    const aiString name("surface");
    material->AddProperty(&name, AI_MATKEY_NAME);
    if (!textures.diffuse.empty()) {
        const aiString file(textures.diffuse);
        material->AddProperty(&file, AI_MATKEY_TEXTURE(aiTextureType_DIFFUSE, 0));
    }
    if (!textures.displacement.empty()) {
        const aiString file(textures.displacement);
        material->AddProperty(&file, AI_MATKEY_TEXTURE(aiTextureType_EMISSIVE, 0));
    }
    return material;
}

aiMesh* meshOf(const std::string& name, const Mesh& mesh, unsigned int materialIndex) {
    auto* out = new aiMesh();
    out->mName = name;
    out->mMaterialIndex = materialIndex;
    out->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    out->mNumVertices = static_cast<unsigned int>(mesh.vertices.size());
    out->mVertices = new aiVector3D[out->mNumVertices];
    out->mNormals = new aiVector3D[out->mNumVertices];
    out->mTextureCoords[0] = new aiVector3D[out->mNumVertices];
    out->mNumUVComponents[0] = 2;
    for (unsigned int i = 0; i < out->mNumVertices; ++i) {
        const Vertex& v = mesh.vertices[i];
        out->mVertices[i] = aiVector3D(v.position.x, v.position.y, v.position.z);
        out->mNormals[i] = aiVector3D(v.normal.x, v.normal.y, v.normal.z);
        out->mTextureCoords[0][i] = aiVector3D(v.uv.x, v.uv.y, 0.0f);
    }
    out->mNumFaces = static_cast<unsigned int>(mesh.triangleCount());
    out->mFaces = new aiFace[out->mNumFaces];
    for (unsigned int f = 0; f < out->mNumFaces; ++f) {
        out->mFaces[f].mNumIndices = 3;
        out->mFaces[f].mIndices = new unsigned int[3];
        for (int c = 0; c < 3; ++c) out->mFaces[f].mIndices[c] = mesh.indices[f * 3 + c];
    }
    return out;
}

std::unique_ptr<aiScene> sceneOf(const std::string& name, const Mesh& mesh,
                                 const MaterialTextures& textures) {
    auto scene = std::make_unique<aiScene>();
    const bool textured = !textures.diffuse.empty() || !textures.displacement.empty();
    scene->mNumMaterials = textured ? 2 : 1;
    scene->mMaterials = new aiMaterial*[scene->mNumMaterials];
    scene->mMaterials[0] = placeholderMaterial();
    if (textured)
        scene->mMaterials[1] = texturedMaterial(textures);
    scene->mNumMeshes = 1;
    scene->mMeshes = new aiMesh*[1];
    scene->mMeshes[0] = meshOf(name, mesh, textured ? 1 : 0);
    scene->mRootNode = new aiNode(name);
    scene->mRootNode->mNumMeshes = 1;
    scene->mRootNode->mMeshes = new unsigned int[1]{0};
    return scene;
}

// The exporter stamps the document with the wall clock; a fixed date keeps two runs of the
// generator byte for byte the same.
std::string withFixedDates(std::string document) {
    static const std::regex stamp("<(created|modified)>[^<]*</(created|modified)>");
    return std::regex_replace(document, stamp, "<$1>2000-01-01T00:00:00</$2>");
}

}  // namespace

std::string colladaDocument(const std::string& name, const Mesh& mesh,
                            const MaterialTextures& textures) {
    const std::unique_ptr<aiScene> scene = sceneOf(name, mesh, textures);
    Assimp::Exporter exporter;
    const aiExportDataBlob* blob = exporter.ExportToBlob(scene.get(), "collada");
    if (blob == nullptr)
        throw std::runtime_error("Collada export of " + name + ": " + exporter.GetErrorString());
    return withFixedDates(std::string(static_cast<const char*>(blob->data), blob->size));
}

}  // namespace scenegen
