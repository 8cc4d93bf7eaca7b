#pragma once

#include <memory>

namespace rtr {

class ShaderProgram;
namespace scene {
class Quad;
}

// Writes the cleared G-buffer values (all zero) into the pixels no surface covered, in place of
// clearing the three geometry targets before the pass. Only the background is written, and a
// room seen from inside has little: a full clear wrote 32 bytes to every pixel that the
// surfaces then wrote again. Owns its program.
class BackgroundFill {
  public:
    // Builds the gBufferBackground program from "../Shader/"; needs a current context.
    BackgroundFill();
    ~BackgroundFill();

    // Draws `quad` at the far plane into the bound draw buffers, where the depth is still the
    // cleared 1.0. Needs the geometry pass's depth buffer bound with depth writes off; leaves
    // the depth function at GL_LESS and its program current.
    void apply(scene::Quad& quad);

    std::unique_ptr<ShaderProgram> program;
};

}  // namespace rtr
