#pragma once

#include "gpu/gl_name.h"

namespace rtr::scene {

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
