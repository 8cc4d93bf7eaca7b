#pragma once

#include <GL/glew.h>

namespace rtr::scene {

// The vertex array and the four buffers of one loaded mesh. A buffer name of `noBuffer` means
// the buffer was never created. The buffers are deleted here; the vertex array belongs to the
// owning model.
struct MeshBuffers {
    static constexpr GLuint noBuffer = 0xFFFFFFFF;

    MeshBuffers() = default;
    ~MeshBuffers();
    MeshBuffers(const MeshBuffers&) = delete;
    MeshBuffers& operator=(const MeshBuffers&) = delete;

    // Deletes every created buffer and marks it as not created, so calling it twice is safe.
    void deleteBuffers();

    GLuint vao = 0;
    GLuint positionBuffer = noBuffer;
    GLuint normalBuffer = noBuffer;
    GLuint uvBuffer = noBuffer;
    GLuint indexBuffer = noBuffer;
};

}  // namespace rtr::scene
