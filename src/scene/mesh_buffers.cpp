#include "scene/mesh_buffers.h"

namespace rtr::scene {

GlBuffer makeStaticBuffer(GLenum target, GLsizeiptr size, const void* data) {
    GlBuffer buffer = GlBuffer::create();
    glBindBuffer(target, buffer);
    glBufferData(target, size, data, GL_STATIC_DRAW);
    glBindBuffer(target, 0);
    return buffer;
}

void attachFloatStream(GLuint location, GLuint buffer, GLint components) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

}  // namespace rtr::scene
