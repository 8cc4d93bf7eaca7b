#include "scene/mesh_buffers.h"

#include <GLFW/glfw3.h>

namespace rtr::scene {

namespace {

void deleteBuffer(GLuint& buffer) {
    if (buffer != MeshBuffers::noBuffer) {
        glDeleteBuffers(1, &buffer);
        buffer = MeshBuffers::noBuffer;
    }
}

}  // namespace

MeshBuffers::~MeshBuffers() {
    // Shutdown may already have closed the window; GL calls need a current context.
    if (glfwGetCurrentContext() != nullptr) {
        deleteBuffers();
    }
}

void MeshBuffers::deleteBuffers() {
    deleteBuffer(positionBuffer);
    deleteBuffer(normalBuffer);
    deleteBuffer(uvBuffer);
    deleteBuffer(indexBuffer);
}

}  // namespace rtr::scene
