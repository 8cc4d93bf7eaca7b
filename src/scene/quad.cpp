#include "scene/quad.h"

#include "scene/mesh_buffers.h"

namespace rtr::scene {

namespace {

constexpr GLuint positionLocation = 0;
constexpr GLuint uvLocation = 1;

const GLfloat positions[] = {-1.0f, 1.0f, 0.0f, -1.0f, -1.0f, 0.0f,
                             1.0f,  1.0f, 0.0f, 1.0f,  -1.0f, 0.0f};
const GLfloat uvs[] = {0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f};
// Two counter-clockwise triangles seen from +z.
const GLuint indices[] = {0, 1, 2, 1, 3, 2};

}  // namespace

Quad::Quad(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram)
    : SceneObject(modelMatrix), shaderProgram(shaderProgram) {
    positionBuffer = makeStaticBuffer(GL_ARRAY_BUFFER, sizeof positions, positions);
    uvBuffer = makeStaticBuffer(GL_ARRAY_BUFFER, sizeof uvs, uvs);
    indexBuffer = makeStaticBuffer(GL_ELEMENT_ARRAY_BUFFER, sizeof indices, indices);
    vao = GlVertexArray::create();
    glBindVertexArray(vao);
    attachFloatStream(positionLocation, positionBuffer, 3);
    attachFloatStream(uvLocation, uvBuffer, 2);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    // Unbind the array first so it keeps its element buffer.
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void Quad::draw() {
    glBindVertexArray(vao);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
}

}  // namespace rtr::scene
