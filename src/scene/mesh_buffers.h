#pragma once

#include <vector>

#include "gpu/gl_name.h"

namespace rtr::scene {

// A buffer of `size` bytes from `data` for drawing, made and filled once; left unbound.
GlBuffer makeStaticBuffer(GLenum target, GLsizeiptr size, const void* data);
template <typename T>
GlBuffer makeStaticBuffer(GLenum target, const std::vector<T>& data) {
    return makeStaticBuffer(target, static_cast<GLsizeiptr>(data.size() * sizeof(T)), data.data());
}

// Feeds attribute `location` of the bound vertex array from `buffer`: `components` floats per
// vertex, tightly packed.
void attachFloatStream(GLuint location, GLuint buffer, GLint components);

// The vertex array and the four buffers of one loaded mesh, deleted with it. A name of
// `noBuffer` means the object was never created (the model is empty).
struct MeshBuffers {
    static constexpr GLuint noBuffer = 0;

    GlVertexArray vao;
    GlBuffer positionBuffer;
    GlBuffer normalBuffer;
    GlBuffer uvBuffer;
    GlBuffer indexBuffer;
};

}  // namespace rtr::scene
