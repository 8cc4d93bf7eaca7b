#include "scene/model_import.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <cmath>
#include <iostream>

#include "gpu/shader_program.h"
#include "scene/texture.h"

namespace rtr::scene {

namespace {

void reportImportFailure(const std::string& path, const std::string& reason) {
    std::cout << "  Assimp-Error: parsing file (" << path << ") failed: " << reason << std::endl;
}

// An incomplete scene carries at most a placeholder mesh that Assimp made up, not geometry.
bool holdsMesh(const aiScene& scene) {
    return scene.mNumMeshes > 0 && scene.mMeshes[0] != nullptr &&
           (scene.mFlags & AI_SCENE_FLAGS_INCOMPLETE) == 0;
}

bool isFinite(const aiVector3D& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool isFiniteVertex(const aiMesh& mesh, unsigned int i) {
    return isFinite(mesh.mVertices[i]) && (!mesh.HasNormals() || isFinite(mesh.mNormals[i])) &&
           (!mesh.HasTextureCoords(0) || isFinite(mesh.mTextureCoords[0][i]));
}

// Vertices with a coordinate that is NaN or infinite in their position, normal or uv.
unsigned int countNonFiniteVertices(const aiMesh& mesh) {
    unsigned int count = 0;
    for (unsigned int i = 0; i < mesh.mNumVertices; ++i) {
        count += isFiniteVertex(mesh, i) ? 0 : 1;
    }
    return count;
}

// Such a mesh draws nothing sensible: the box and the culling built on it turn NaN, and the
// surface rasterises to nothing or to black. It is treated like a file that failed to import,
// with the reason on standard error.
bool holdsFiniteVertices(const aiMesh& mesh, const std::string& path) {
    const unsigned int nonFinite = countNonFiniteVertices(mesh);
    if (nonFinite == 0) {
        return true;
    }
    std::cerr << "  " << path << ": " << nonFinite << " of " << mesh.mNumVertices
              << " vertices have coordinates that are not finite numbers; the model is left "
                 "empty, as if it could not be imported"
              << std::endl;
    return false;
}

void appendVertex(const aiMesh& mesh, unsigned int i, MeshData& data) {
    const aiVector3D& p = mesh.mVertices[i];
    data.boxMin = glm::min(data.boxMin, glm::vec3(p.x, p.y, p.z));
    data.boxMax = glm::max(data.boxMax, glm::vec3(p.x, p.y, p.z));
    // Point and line meshes come without normals.
    const aiVector3D n = mesh.HasNormals() ? mesh.mNormals[i] : aiVector3D(0.0f);
    const aiVector3D uv = mesh.HasTextureCoords(0) ? mesh.mTextureCoords[0][i] : aiVector3D(0.0f);
    data.positions.insert(data.positions.end(), {p.x, p.y, p.z});
    data.normals.insert(data.normals.end(), {n.x, n.y, n.z});
    data.uvs.insert(data.uvs.end(), {uv.x, uv.y});
}

// Points and lines left by triangulation have fewer than three indices; they are skipped.
void appendTriangles(const aiMesh& mesh, MeshData& data) {
    for (unsigned int f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices >= 3) {
            data.indices.insert(data.indices.end(),
                                {face.mIndices[0], face.mIndices[1], face.mIndices[2]});
        }
    }
}

// A stream the program does not read stays unattached.
void attachStream(GLuint program, const char* name, GLuint buffer, GLint components) {
    const GLint location = program != 0 ? glGetAttribLocation(program, name) : -1;
    if (location != -1)
        attachFloatStream(static_cast<GLuint>(location), buffer, components);
}

// Loads texture 0 of one type; false when the material names none.
bool loadMaterialTexture(const aiMaterial& material, aiTextureType type,
                         const std::string& directory, std::vector<Texture*>& textures,
                         const char* kind) {
    aiString name;
    if (aiGetMaterialTextureCount(&material, type) == 0 ||
        aiGetMaterialTexture(&material, type, 0, &name) != aiReturn_SUCCESS) {
        return false;
    }
    const std::string file = directory + "/" + name.C_Str();
    auto* texture = new Texture{file.c_str(), GlTexture(), GL_TEXTURE_2D};
    texture->load();
    // The path text dies with this function; the record must not point at it.
    texture->path = nullptr;
    std::cout << "  Loaded " << kind << " texture '" << file << "'" << std::endl;
    textures.push_back(texture);
    return true;
}

GLint samplerLocation(GLuint program, const char* name) {
    return program != 0 ? glGetUniformLocation(program, name) : -1;
}

void bindUnit(GLenum unit, const Texture& texture, GLint location, GLint unitIndex) {
    glActiveTexture(unit);
    glBindTexture(texture.target, texture.id);
    glUniform1i(location, unitIndex);
}

}  // namespace

GLuint programName(const ShaderProgram* shaderProgram) {
    return shaderProgram != nullptr ? shaderProgram->program : 0;
}

const aiScene* importScene(Assimp::Importer& importer, const std::string& path,
                           unsigned int flags) {
    const aiScene* scene = importer.ReadFile(path, flags);
    if (scene == nullptr) {
        reportImportFailure(path, importer.GetErrorString());
        return nullptr;
    }
    if (!holdsMesh(*scene)) {
        reportImportFailure(path, "the file holds no mesh");
        return nullptr;
    }
    if (!holdsFiniteVertices(*scene->mMeshes[0], path)) {
        return nullptr;
    }
    std::cout << "\n### Reading file/model (" << path << "):" << std::endl;
    return scene;
}

MeshData readFirstMesh(const aiScene& scene) {
    const aiMesh& mesh = *scene.mMeshes[0];
    MeshData data;
    data.vertexCount = mesh.mNumVertices;
    data.positions.reserve(mesh.mNumVertices * 3);
    data.normals.reserve(mesh.mNumVertices * 3);
    data.uvs.reserve(mesh.mNumVertices * 2);
    for (unsigned int i = 0; i < mesh.mNumVertices; ++i) {
        appendVertex(mesh, i, data);
    }
    appendTriangles(mesh, data);
    return data;
}

void uploadMesh(const MeshData& mesh, GLuint program, MeshBuffers& buffers) {
    buffers.positionBuffer = makeStaticBuffer(GL_ARRAY_BUFFER, mesh.positions);
    buffers.normalBuffer = makeStaticBuffer(GL_ARRAY_BUFFER, mesh.normals);
    buffers.uvBuffer = makeStaticBuffer(GL_ARRAY_BUFFER, mesh.uvs);
    buffers.indexBuffer = makeStaticBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indices);
    buffers.vao = GlVertexArray::create();
    glBindVertexArray(buffers.vao);
    attachStream(program, "position", buffers.positionBuffer, 3);
    attachStream(program, "normal", buffers.normalBuffer, 3);
    attachStream(program, "uv", buffers.uvBuffer, 2);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers.indexBuffer);
    // Unbind the array first so it keeps its element buffer.
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

std::string modelDirectory(const std::string& path) {
    const std::string::size_type slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void loadMaterialTextures(const aiScene& scene, const std::string& path, GLuint program,
                          const MaterialTextures& target) {
    const std::string directory = modelDirectory(path);
    std::cout << "  Number of materials: " << scene.mNumMaterials << std::endl;
    // Material 0 is not the model's own; textures come from index 1 on.
    for (unsigned int m = 1; m < scene.mNumMaterials; ++m) {
        const aiMaterial& material = *scene.mMaterials[m];
        if (loadMaterialTexture(material, aiTextureType_DIFFUSE, directory, target.textures,
                                "diffuse")) {
            target.colorTextureLocation = samplerLocation(program, "colorTexture");
        }
        if (loadMaterialTexture(material, aiTextureType_EMISSIVE, directory, target.textures,
                                "displacement")) {
            target.displacementTextureLocation = samplerLocation(program, "displacementTexture");
        }
    }
}

void bindModelTextures(const std::vector<Texture*>& textures, GLint colorTextureLocation,
                       GLint displacementTextureLocation) {
    if (textures.size() != 1 && textures.size() != 2) {
        return;
    }
    bindUnit(GL_TEXTURE0, *textures[0], colorTextureLocation, 0);
    if (textures.size() == 2) {
        bindUnit(GL_TEXTURE1, *textures[1], displacementTextureLocation, 1);
    }
}

void drawMesh(GLenum mode, GLuint vao, GLsizei indexCount) {
    // An empty model has no vertex array, and drawing without one is an error in core GL.
    if (vao == 0 || indexCount == 0) {
        return;
    }
    glBindVertexArray(vao);
    glDrawElements(mode, indexCount, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
}

void releaseTextures(std::vector<Texture*>& textures) {
    for (Texture* texture : textures) {
        delete texture;
    }
    textures.clear();
}

}  // namespace rtr::scene
