#pragma once

#include "gpu/gl_name.h"
#include "scene/scene_object.h"

namespace rtr {
class ShaderProgram;
}

namespace rtr::scene {

// The full-screen rectangle of the screen-space passes: x and y from -1 to 1 at z = 0, uv (0, 0)
// at the bottom-left. Its programs read position from location 0 and uv from location 1.
class Quad : public SceneObject {
  public:
    Quad(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram);

    void draw() override;

    GlVertexArray vao;
    GlBuffer positionBuffer;
    GlBuffer uvBuffer;
    GlBuffer indexBuffer;
    // Not owned; the program the quad was made for.
    ShaderProgram* shaderProgram = nullptr;
};

}  // namespace rtr::scene
