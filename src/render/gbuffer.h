#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <vector>

namespace rtr {

// The SSAO inputs made on the CPU: 64 hemisphere kernel samples around +z, growing towards the
// end of the list, and 16 rotation vectors in the xy plane for the 4 x 4 noise texture.
struct SsaoSamples {
    std::vector<glm::vec3> kernel;
    std::vector<glm::vec3> noise;
};

// Always the same samples: one freshly default-seeded MT19937 draws the kernel, then the noise.
SsaoSamples makeSsaoSamples();

// The off-screen framebuffer of the deferred pipeline with all its 1024 x 768 targets, plus the
// SSAO kernel and noise texture. Needs a current GL context for its whole life.
class GBuffer {
  public:
    GBuffer();
    ~GBuffer();
    GBuffer(const GBuffer&) = delete;
    GBuffer& operator=(const GBuffer&) = delete;

    std::vector<glm::vec3> getSsaoKernel() const;

    GLuint positionDepthTexture = 0;  // colour attachment 0
    GLuint normalTexture = 0;         // colour attachment 1
    GLuint albedoTexture = 0;         // colour attachment 2
    GLuint depthStencilTexture = 0;   // depth-stencil attachment
    GLuint hdrColorTexture = 0;       // colour attachment 3
    GLuint ssaoTexture = 0;           // colour attachment 4
    GLuint noiseTexture = 0;          // 4 x 4, not attached
    GLuint framebuffer = 0;
    std::vector<glm::vec3> ssaoKernel;

  private:
    void createNoiseTexture(const std::vector<glm::vec3>& noise);
};

}  // namespace rtr
