#pragma once

#include <memory>

#include "gpu/gl_name.h"
#include "render/frame_size.h"

namespace rtr {

class ShaderProgram;
namespace scene {
class Quad;
}

// The SSAO target blurred once per frame into a float texture of the G-buffer's size, which the
// light pass reads with one fetch per pixel. Owns its texture, framebuffer and program.
class OcclusionBlur {
  public:
    // Builds the ssaoBlur program from "../Shader/"; needs a current context.
    explicit OcclusionBlur(PixelSize size = kShowFrameSize);
    ~OcclusionBlur();

    // Remakes the blurred target at `size`, the G-buffer's new size.
    void resize(PixelSize size);

    // Blurs `ssaoTexture` into `blurredTexture` over the current viewport with `quad`'s
    // geometry; leaves its own framebuffer bound and the ssaoBlur program current.
    void apply(GLuint ssaoTexture, scene::Quad& quad);

    GlTexture blurredTexture;
    GlFramebuffer framebuffer;
    std::unique_ptr<ShaderProgram> program;
};

}  // namespace rtr
