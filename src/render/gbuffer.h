#pragma once

#include <glm/glm.hpp>

#include <vector>

#include "gpu/gl_name.h"
#include "render/frame_size.h"

namespace rtr {

// The SSAO inputs made on the CPU: 64 hemisphere kernel samples around +z, growing towards the
// end of the list, and 16 rotation vectors in the xy plane for the 4 x 4 noise texture.
struct SsaoSamples {
    std::vector<glm::vec3> kernel;
    std::vector<glm::vec3> noise;
};

// Always the same samples: one freshly default-seeded MT19937 draws the kernel, then the noise.
SsaoSamples makeSsaoSamples();

// The off-screen framebuffer of the deferred pipeline with all its targets at the render size,
// plus the SSAO kernel and noise texture. Needs a current GL context for its whole life.
class GBuffer {
  public:
    explicit GBuffer(PixelSize size = kShowFrameSize);

    // Remakes every target at `size`; the kernel and the noise stay as they are.
    void resize(PixelSize size);

    std::vector<glm::vec3> getSsaoKernel() const;

    // Declared before the textures, so it goes after them.
    GlFramebuffer framebuffer;
    GlTexture positionDepthTexture;  // colour attachment 0
    GlTexture normalTexture;         // colour attachment 1
    GlTexture albedoTexture;         // colour attachment 2
    GlTexture depthStencilTexture;   // depth-stencil attachment
    GlTexture hdrColorTexture;       // colour attachment 3
    GlTexture ssaoTexture;           // colour attachment 4
    GlTexture noiseTexture;          // 4 x 4, not attached
    std::vector<glm::vec3> ssaoKernel;
    PixelSize size;

  private:
    void createNoiseTexture(const std::vector<glm::vec3>& noise);
};

}  // namespace rtr
