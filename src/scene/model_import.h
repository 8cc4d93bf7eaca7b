#pragma once

// Loading code shared by SceneGeometry and SceneGeometryTess, which are siblings and keep the
// same members.

#include <GL/glew.h>

#include <glm/glm.hpp>

#include <string>
#include <vector>

#include "scene/mesh_buffers.h"

struct aiScene;
namespace Assimp {
class Importer;
}
namespace rtr {
class ShaderProgram;
}

namespace rtr::scene {

struct Texture;

// Vertex streams of one imported mesh as uploaded: three tightly packed float streams and
// 32-bit triangle indices.
struct MeshData {
    std::vector<GLfloat> positions;
    std::vector<GLfloat> normals;
    std::vector<GLfloat> uvs;
    std::vector<GLuint> indices;
    // The box starts at the origin, so it always contains it.
    glm::vec3 boxMin = glm::vec3(0.0f);
    glm::vec3 boxMax = glm::vec3(0.0f);
    GLuint vertexCount = 0;
};

// What a model records of the textures its materials name.
struct MaterialTextures {
    std::vector<Texture*>& textures;
    GLint& colorTextureLocation;
    GLint& displacementTextureLocation;
};

// 0 for a missing program, so lookups find nothing instead of crashing.
GLuint programName(const ShaderProgram* shaderProgram);

// Imports `path` and prints the reading line. Returns null after printing the import error when
// the file cannot be imported or holds no mesh of its own, and after saying so on standard
// error when a vertex of the mesh is not made of finite numbers.
const aiScene* importScene(Assimp::Importer& importer, const std::string& path, unsigned int flags);

// Mesh 0 only; the node hierarchy and its transforms are ignored.
MeshData readFirstMesh(const aiScene& scene);

// Creates and fills the four buffers and a vertex array that feeds the attributes "position",
// "normal" and "uv" where `program` has them.
void uploadMesh(const MeshData& mesh, GLuint program, MeshBuffers& buffers);

// The part of `path` before its last '/'; "." without one, "/" when it is the first character.
std::string modelDirectory(const std::string& path);

// Loads the diffuse and emissive (displacement) texture of every material from index 1 on.
void loadMaterialTextures(const aiScene& scene, const std::string& path, GLuint program,
                          const MaterialTextures& target);

// One texture goes to unit 0, two to units 0 and 1; any other count binds nothing.
void bindModelTextures(const std::vector<Texture*>& textures, GLint colorTextureLocation,
                       GLint displacementTextureLocation);

void drawMesh(GLenum mode, GLuint vao, GLsizei indexCount);

// Deletes the texture records, and with them their GL textures.
void releaseTextures(std::vector<Texture*>& textures);

}  // namespace rtr::scene
